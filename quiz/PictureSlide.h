#pragma once

#include <array>

// The results screen's four pictures drifting to the right, in twips. Each
// re-enters at the left edge once its right edge passes the bound (the
// width of the window's client area).
struct SlidingPicture {
    int left;
    int top;
    int width;
    int height;
    int step;
};

struct PictureSlide {
    // Index 1..4 as the pictures are named; 0 unused.
    std::array<SlidingPicture, 5> pictures{{
        {0, 0, 0, 0, 0},
        {4320, 1440, 1455, 1095, 40},
        {480, 480, 615, 495, 20},
        {2400, 840, 975, 735, 30},
        {960, 1200, 1215, 975, 35},
    }};

    void tick(int boundWidth)
    {
        for (int i = 1; i <= 4; ++i) {
            SlidingPicture &p = pictures[i];
            p.left += p.step;
            if (p.left + p.width > boundWidth)
                p.left = 0;
        }
    }
};
