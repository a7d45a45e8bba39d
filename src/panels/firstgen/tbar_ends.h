#pragma once
// The two ends of a first-generation panel's T-bar: the PGM and PVW lamps swap
// once at each end the bar reaches (not again until it has reached the other),
// and the stroke turns there.

struct TbarEnds
{
    bool topSwapped = false;
    bool bottomSwapped = false;
    bool reverseStroke = false;

    template <class SwapRows>
    void reachTop(SwapRows swapRows)
    {
        if (!topSwapped) {
            swapRows();
            topSwapped = true;
            bottomSwapped = false;
        }
        reverseStroke = true;
    }

    template <class SwapRows>
    void reachBottom(SwapRows swapRows)
    {
        if (!bottomSwapped) {
            swapRows();
            topSwapped = false;
            bottomSwapped = true;
        }
        reverseStroke = false;
    }
};
