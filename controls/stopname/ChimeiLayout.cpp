#include "controls/stopname/ChimeiLayout.h"

#include <algorithm>
#include <array>

namespace {

struct Spread {
    int firstX, pitch;
};

// Indexed by the number of cells, 1 to 8 (8 stands for 8 or more).
constexpr std::array<Spread, 9> withoutPrefix{
    {{0, 0}, {188, 0}, {135, 108}, {81, 108}, {67, 81}, {27, 81}, {21, 66}, {18, 57}, {0, 54}}};
constexpr std::array<Spread, 9> withPrefix{{{0, 0},
                                            {242, 0},
                                            {188, 108},
                                            {162, 81},
                                            {135, 72},
                                            {135, 54},
                                            {108, 54},
                                            {108, 54},
                                            {108, 54}}};

} // namespace

ChimeiLayout ChimeiLayout::of(int byteCount, int cellCount, bool prefix) {
    ChimeiLayout layout;
    // A lone half-width character stands at the left edge, or right after the prefix.
    const int n = (byteCount <= 1) ? 0 : std::max(cellCount, 0);
    if (n == 0) {
        layout.firstX = prefix ? PrefixWidth : 0;
        return layout;
    }

    const Spread spread = (prefix ? withPrefix : withoutPrefix)[std::min(n, 8)];
    layout.firstX = spread.firstX;
    layout.pitch = spread.pitch;
    layout.stripStartX = n < 9 ? 0 : FrameWidth;
    if (prefix && n >= 7) layout.stripWidth = (n + 2) * CellWidth;
    if (!prefix && n >= 8) layout.stripWidth = n * CellWidth;
    layout.scrolls = n + (prefix ? 2 : 0) >= 9;
    return layout;
}
