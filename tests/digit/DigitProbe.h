#pragma once
// Reads a digit control's back buffer the way a person reads the lamps: which segments of a
// cell glow in the digit colour, which show the dim base colour, and which show neither.
#include "controls/digit/SegmentFont.h"

#include <QColor>
#include <QString>
#include <ostream>

class M_Degit;

namespace DigitProbe {

enum class Lamp { Lit, Unlit, Background };

// The look of one segment of cell `cell` (0 = leftmost) of the control.
Lamp lamp(const M_Degit& digit, int cell, SegmentFont::Segment segment);

// The colour shown at the centre of a segment of cell `cell` (0 = leftmost).
QRgb segmentPixel(const M_Degit& digit, int cell, SegmentFont::Segment segment);

// The cells from left to right, each read as the character whose segments glow: a digit,
// '-', ' ' when nothing glows, '?' for a pattern that is no digit, '!' when a segment shows
// the background (the unlit "8" is missing there).
QString read(const M_Degit& digit);

} // namespace DigitProbe

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
