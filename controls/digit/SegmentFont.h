#pragma once
// The three segment faces of the digit control, drawn as shapes. One table says which
// segments each character lights; one routine turns a segment into a polygon for a face,
// so the faces differ only by their parameters (slant, thickness, segment ends).
#include <QChar>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

namespace SegmentFont {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle, p decimal point.
enum Segment : quint8 {
    SegA = 1 << 0,
    SegB = 1 << 1,
    SegC = 1 << 2,
    SegD = 1 << 3,
    SegE = 1 << 4,
    SegF = 1 << 5,
    SegG = 1 << 6,
    SegP = 1 << 7,
};
constexpr int SegmentCount = 8;
constexpr quint8 AllSegments = 0x7F; // the "8": every segment but the point

// Faces selected by DegitStyle: 1 "M_DegitB" (slanted), 2 "M_DegitC" (square bars),
// any other value "M_DegitA" (upright, pointed ends).
enum class Face { A, B, C };
Face faceForStyle(qint16 degitStyle);

// Cell size in twips by size code; codes other than 1, 2, 3 give the size-0 cell.
QSize cellTwips(qint16 degitSize);
// The same in pixels (device-independent).
QSize cellPixels(qint16 degitSize);

// Which segments a character lights. Digits, "-", "." and the letters with a usual
// seven-segment form light their segments (letters in one case-free form each: A b C d E F
// G H I J L n o P q r S t U y Z, with c h i u also in lower case); full-width forms count as
// their ASCII ones. Every other character (space, K M V W X, kana, kanji) lights nothing
// and leaves the cell showing only the unlit pattern.
quint8 segmentsOf(QChar ch);

// Outline of all segments in `mask` of face `face` in a cell of `cell` device pixels, origin
// at the cell's top-left corner. `bold` thickens the strokes.
QPainterPath glyphPath(quint8 mask, Face face, QSizeF cell, bool bold);
// A point well inside the segment (its centre), for reading pixels back.
QPointF segmentCentre(Segment segment, Face face, QSizeF cell, bool bold);

} // namespace SegmentFont
