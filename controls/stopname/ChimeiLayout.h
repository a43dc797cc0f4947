#pragma once
// Where the cells of a stop name go on the dot strip. A cell is 54 pixels wide (18 dots on a
// 3-pixel pitch) and the frame shows 432 pixels, eight cells. Short names are spread out and
// roughly centred, in the whole frame or in the 324 pixels right of the "次は" prefix; a name
// that needs more than eight cells, prefix included, scrolls.
struct ChimeiLayout {
    static constexpr int CellWidth = 54;
    static constexpr int FrameWidth = 432;
    static constexpr int PrefixWidth = 2 * CellWidth;

    int firstX = 0; // x of the first cell of the name
    int pitch = 0;  // distance between cells
    int stripWidth = FrameWidth;
    int stripStartX = 0; // where the strip is placed before any scroll
    bool scrolls = false;

    // Layout of a name of `cellCount` cells whose code page 932 form is `byteCount` bytes,
    // with or without the prefix.
    static ChimeiLayout of(int byteCount, int cellCount, bool prefix);
};
