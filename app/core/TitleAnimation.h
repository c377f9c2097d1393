#pragma once

// The start screen's title animation, in twips: the Light picture slides
// down from above the window, then the two halves of the product name move
// apart. The tick on which it ends is the one that sounds the thunder.
struct TitleAnimation {
    int lightTop = -1320;
    int label1Left = 720;
    int label2Left = 3960;
    bool finished = false;

    // One timer tick. Returns true on the tick that ends the animation.
    bool tick()
    {
        if (finished)
            return false;
        if (lightTop < 40)
            lightTop += 30;
        if (lightTop > 39) {
            if (label1Left > 10)
                label1Left -= 10;
            if (label2Left < 300)
                label2Left += 10;
            if (label2Left > 300)
                finished = true;
        }
        return finished;
    }
};
