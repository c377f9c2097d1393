#pragma once

// The two-half reveal of a flash card, in twips. Each half is covered by a
// card picture; while a half is being revealed its picture shrinks by a
// third each tick, and once the picture is almost gone the text label grows
// into its place in steps of 400.
struct RevealAnimation {
    static constexpr int WordCoverHeight = 1696;
    static constexpr int MeaningCoverHeight = 1936;

    int wordCover = WordCoverHeight;
    int meaningCover = MeaningCoverHeight;
    int wordLabel = 0;
    int meaningLabel = 0;
    bool wordReveal = false;
    bool meaningReveal = false;

    // Both halves covered again; the reveal flags are left as they are.
    void cover()
    {
        wordCover = WordCoverHeight;
        meaningCover = MeaningCoverHeight;
        wordLabel = 0;
        meaningLabel = 0;
    }

    void tick()
    {
        if (wordCover > 10 && wordReveal)
            wordCover -= wordCover / 3;
        if (wordLabel < 1500 && wordCover < 11)
            wordLabel += 400;
        if (meaningCover > 10 && meaningReveal)
            meaningCover -= meaningCover / 3;
        if (meaningLabel < 1935 && meaningCover < 11)
            meaningLabel += 400;
        if (wordLabel > 1500)
            wordReveal = false;
        if (meaningLabel > 1935)
            meaningReveal = false;
    }
};
