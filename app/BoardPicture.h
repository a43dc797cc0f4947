#pragma once
// The built-in board picture: the unlit face of the fare board (dark housing, the stop-name
// window at the top, one cell per ticket number with its number strip and fare window),
// drawn in code so that the program needs no picture file of its own.
#include <QImage>

namespace BoardPicture {

constexpr int Width = 544;
constexpr int Height = 335;

// The picture, 544 × 335 pixels. Drawn once and shared (QImage is implicitly shared).
QImage image();

} // namespace BoardPicture
