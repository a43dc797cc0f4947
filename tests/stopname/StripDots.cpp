#include "tests/stopname/StripDots.h"

#include <algorithm>

namespace StripDots {

DotPattern at(const QImage& strip, int x, int y, QRgb colour) {
    DotPattern dots;
    const auto is = [&](int px, int py) {
        return strip.rect().contains(px, py) &&
               (strip.pixel(px, py) & 0xFFFFFF) == (colour & 0xFFFFFF);
    };
    for (int r = 0; r < DotPattern::Size; ++r)
        for (int c = 0; c < DotPattern::Size; ++c) {
            const int px = x + 3 * c, py = y + 3 * r;
            if (is(px, py) && is(px + 1, py) && is(px, py + 1) && is(px + 1, py + 1))
                dots.rows[r] |= 1u << c;
        }
    return dots;
}

int pixelsIn(const QImage& strip, int x0, int x1, QRgb colour) {
    int n = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, strip.width()); ++x)
            if ((strip.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

int firstColumn(const QImage& strip, QRgb colour) {
    for (int x = 0; x < strip.width(); ++x)
        for (int y = 0; y < strip.height(); ++y)
            if ((strip.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return x;
    return -1;
}

} // namespace StripDots
