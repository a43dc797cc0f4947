#pragma once
// Reading dots back from the stop-name strip.
#include "controls/stopname/DotGlyph.h"

#include <QImage>

namespace StripDots {

// The 18 × 18 dots of `colour` whose top-left dot is at (x, y) of `strip`. A dot counts only
// when all four of its pixels have the colour.
DotPattern at(const QImage& strip, int x, int y, QRgb colour);

// Number of pixels of `colour` in columns [x0, x1) of `strip`.
int pixelsIn(const QImage& strip, int x0, int x1, QRgb colour);

// Leftmost column holding a pixel of `colour`, or -1.
int firstColumn(const QImage& strip, QRgb colour);

} // namespace StripDots
