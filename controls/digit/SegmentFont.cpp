#include "controls/digit/SegmentFont.h"

#include "platform/core/Twips.h"

#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace SegmentFont {

Face faceForStyle(qint16 degitStyle) {
    switch (degitStyle) {
    case 1:
        return Face::B;
    case 2:
        return Face::C;
    default:
        return Face::A;
    }
}

QSize cellTwips(qint16 degitSize) {
    switch (degitSize) {
    case 1:
        return {255, 390};
    case 2:
        return {285, 435};
    case 3:
        return {165, 225};
    default:
        return {195, 300};
    }
}

QSize cellPixels(qint16 degitSize) {
    return Twips::toPixels(cellTwips(degitSize));
}

quint8 segmentsOf(QChar ch) {
    char16_t u = ch.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E) u = char16_t(u - 0xFEE0); // full-width ASCII
    // clang-format off
    switch (u) {
    case '0': case 'O': return SegA | SegB | SegC | SegD | SegE | SegF;
    case '1': return SegB | SegC;
    case '2': case 'Z': case 'z': return SegA | SegB | SegD | SegE | SegG;
    case '3': return SegA | SegB | SegC | SegD | SegG;
    case '4': return SegB | SegC | SegF | SegG;
    case '5': case 'S': case 's': return SegA | SegC | SegD | SegF | SegG;
    case '6': return SegA | SegC | SegD | SegE | SegF | SegG;
    case '7': return SegA | SegB | SegC;
    case '8': return AllSegments;
    case '9': return SegA | SegB | SegC | SegD | SegF | SegG;
    case '-': return SegG;
    case '_': return SegD;
    case '=': return SegD | SegG;
    case '.': case ',': return SegP;
    case 'A': case 'a': return SegA | SegB | SegC | SegE | SegF | SegG;
    case 'B': case 'b': return SegC | SegD | SegE | SegF | SegG;
    case 'C': return SegA | SegD | SegE | SegF;
    case 'c': return SegD | SegE | SegG;
    case 'D': case 'd': return SegB | SegC | SegD | SegE | SegG;
    case 'E': case 'e': return SegA | SegD | SegE | SegF | SegG;
    case 'F': case 'f': return SegA | SegE | SegF | SegG;
    case 'G': case 'g': return SegA | SegC | SegD | SegE | SegF;
    case 'H': return SegB | SegC | SegE | SegF | SegG;
    case 'h': return SegC | SegE | SegF | SegG;
    case 'I': return SegE | SegF;
    case 'i': return SegE;
    case 'J': case 'j': return SegB | SegC | SegD | SegE;
    case 'L': case 'l': return SegD | SegE | SegF;
    case 'N': case 'n': return SegC | SegE | SegG;
    case 'o': return SegC | SegD | SegE | SegG;
    case 'P': case 'p': return SegA | SegB | SegE | SegF | SegG;
    case 'Q': case 'q': return SegA | SegB | SegC | SegF | SegG;
    case 'R': case 'r': return SegE | SegG;
    case 'T': case 't': return SegD | SegE | SegF | SegG;
    case 'U': return SegB | SegC | SegD | SegE | SegF;
    case 'u': return SegC | SegD | SegE;
    case 'Y': case 'y': return SegB | SegC | SegD | SegF | SegG;
    default: return 0;
    }
    // clang-format on
}

namespace {

// Shape parameters of a face, as fractions of the cell.
struct FaceShape {
    double slant;     // horizontal lean of the top against the bottom, per unit of height
    double thickness; // stroke width as a fraction of the digit box width
    bool pointed;     // hexagonal segment ends (else square bars)
};

FaceShape shapeOf(Face face) {
    switch (face) {
    case Face::B:
        return {0.10, 0.18, true};
    case Face::C:
        return {0.0, 0.17, false};
    case Face::A:
    default:
        return {0.0, 0.18, true};
    }
}

// The digit box inside a cell: the right margin leaves a gap to the next cell and the
// slant needs room at the top.
struct Box {
    double left, top, width, height, thickness, gap, slant;
    double margin; // room right of the box, where the point sits
};

Box boxOf(Face face, QSizeF cell, bool bold) {
    const FaceShape s = shapeOf(face);
    Box b;
    b.top = cell.height() * 0.08;
    b.height = cell.height() * 0.84;
    const double lean = s.slant * b.height;
    b.left = cell.width() * 0.10;
    b.width = cell.width() * 0.78 - lean;
    b.thickness = std::max(2.0, b.width * s.thickness * (bold ? 1.15 : 1.0));
    b.gap = std::max(0.5, b.thickness * 0.12);
    b.slant = s.slant;
    b.margin = cell.width() * 0.12;
    return b;
}

// Centre line of a segment in box coordinates: from (x0, y0) to (x1, y1).
struct Line {
    double x0, y0, x1, y1;
};

Line lineOf(Segment segment, const Box& b) {
    const double h = b.thickness / 2;
    const double l = h, r = b.width - h, t = h, m = b.height / 2, bo = b.height - h;
    // clang-format off
    switch (segment) {
    case SegA: return {l, t, r, t};
    case SegB: return {r, t, r, m};
    case SegC: return {r, m, r, bo};
    case SegD: return {l, bo, r, bo};
    case SegE: return {l, m, l, bo};
    case SegF: return {l, t, l, m};
    case SegG: return {l, m, r, m};
    case SegP:
    default: {
        const double x = b.width + b.margin / 2, y = b.height - std::min(b.thickness, b.margin) / 2;
        return {x, y, x, y};
    }
    }
    // clang-format on
}

// Box coordinates to cell coordinates, leaning the top to the right.
QPointF toCell(const Box& b, double x, double y) {
    return {b.left + x + b.slant * (b.height - y), b.top + y};
}

QPolygonF polygonOf(Segment segment, Face face, const Box& b) {
    const Line ln = lineOf(segment, b);
    const double h = b.thickness / 2;
    QPolygonF poly;
    auto add = [&](double x, double y) { poly << toCell(b, x, y); };
    if (segment == SegP) {
        const double s = std::min(b.thickness, b.margin) * 0.9;
        add(ln.x0 - s / 2, ln.y0 - s / 2);
        add(ln.x0 + s / 2, ln.y0 - s / 2);
        add(ln.x0 + s / 2, ln.y0 + s / 2);
        add(ln.x0 - s / 2, ln.y0 + s / 2);
        return poly;
    }
    const bool pointed = shapeOf(face).pointed;
    // clang-format off
    if (ln.y0 == ln.y1) {
        const double x0 = ln.x0 + b.gap, x1 = ln.x1 - b.gap, y = ln.y0;
        if (pointed) {
            add(x0, y); add(x0 + h, y - h); add(x1 - h, y - h);
            add(x1, y); add(x1 - h, y + h); add(x0 + h, y + h);
        } else {
            // Square bars: the horizontal ones run into the corners, the vertical ones
            // fit between them.
            add(ln.x0 - h, y - h); add(ln.x1 + h, y - h); add(ln.x1 + h, y + h); add(ln.x0 - h, y + h);
        }
    } else {
        const double y0 = ln.y0 + b.gap, y1 = ln.y1 - b.gap, x = ln.x0;
        if (pointed) {
            add(x, y0); add(x + h, y0 + h); add(x + h, y1 - h);
            add(x, y1); add(x - h, y1 - h); add(x - h, y0 + h);
        } else {
            add(x - h, y0 + h + b.gap); add(x + h, y0 + h + b.gap);
            add(x + h, y1 - h - b.gap); add(x - h, y1 - h - b.gap);
        }
    }
    // clang-format on
    return poly;
}

} // namespace

QPainterPath glyphPath(quint8 mask, Face face, QSizeF cell, bool bold) {
    QPainterPath path;
    const Box b = boxOf(face, cell, bold);
    for (int i = 0; i < SegmentCount; ++i) {
        if (mask & (1 << i)) {
            path.addPolygon(polygonOf(Segment(1 << i), face, b));
            path.closeSubpath();
        }
    }
    return path;
}

QPointF segmentCentre(Segment segment, Face face, QSizeF cell, bool bold) {
    const Box b = boxOf(face, cell, bold);
    const Line ln = lineOf(segment, b);
    return toCell(b, (ln.x0 + ln.x1) / 2, (ln.y0 + ln.y1) / 2);
}

} // namespace SegmentFont
