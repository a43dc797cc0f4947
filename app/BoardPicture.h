#pragma once
// The built-in board pictures: the face of the fare board (dark housing, the stop-name window
// at the top, one cell per ticket number with its number strip and fare window) in its three
// backlight states, drawn in code so that the program needs no picture file of its own.
// Unlit (OFF) the face is dark; lit from behind (ON1 warm, ON2 cool) the rim, the cell frames
// and the ticket-number strips glow. The stop-name and fare windows are the same in all three:
// the displays that sit on them carry their own light.
#include <QImage>

namespace BoardPicture {

constexpr int Width = 544;
constexpr int Height = 335;

// The picture of backlight state `state` (0 OFF, 1 ON1, 2 ON2; any other value gives OFF),
// 544 × 335 pixels. Each is drawn once and shared (QImage is implicitly shared).
QImage image(int state = 0);
// The same picture drawn `scale` times larger (its device pixel ratio is `scale`).
QImage image(int state, qreal scale);

} // namespace BoardPicture
