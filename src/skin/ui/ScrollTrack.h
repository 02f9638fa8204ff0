#pragma once

// The geometry of a picture scroll bar along its length: two arrow buttons at
// the ends, the thumb between them. `gap` is the pixel between the first button
// and the thumb's first place (1 for TWOwnrScrllBar, 0 for TALScrollBar).
struct ScrollTrack {
    int length = 100; // of the whole bar
    int button = 18;  // of each arrow button
    int thumb = 18;   // of the thumb
    int gap = 1;
    int min = 0;
    int max = 100;

    enum class Part { FirstArrow, TrackBefore, Thumb, TrackAfter, SecondArrow };

    // The length the thumb's start can travel: length − 2 × button − thumb − gap.
    int freeLength() const;
    // Where the thumb starts for `position`: button + gap + round(free / (max − min)
    // × (position − min)), halves to even. With max ≤ min the thumb cannot move
    // and stays at its first place.
    int thumbStart(int position) const;
    // The position whose thumb starts nearest `start`, kept within min..max.
    int positionAt(int start) const;
    // The part under a point `along` the bar with the thumb at `position`.
    Part hit(int along, int position) const;
    // The thumb length that makes each step move the thumb one pixel, but not
    // below `minThumb`: max(minThumb, length − 2 × button − gap − (max − min)).
    int autoThumb(int minThumb) const;
};
