#include "tests/digit/DigitProbe.h"

#include "controls/digit/M_Degit.h"
#include "platform/QtColour.h"

#include <QColor>
#include <QImage>
#include <QtMath>
#include <map>

namespace DigitProbe {

namespace {

int distance(QRgb a, QColor b) {
    const int dr = qRed(a) - b.red(), dg = qGreen(a) - b.green(), db = qBlue(a) - b.blue();
    return dr * dr + dg * dg + db * db;
}

// The usual seven-segment digits, written out here rather than taken from the control,
// so that a wrong segment table shows up as a wrong reading.
const std::map<QString, QChar>& patterns() {
    static const std::map<QString, QChar> table = {
        {"abcdef", '0'},  {"bc", '1'},     {"abdeg", '2'},  {"abcdg", '3'},
        {"bcfg", '4'},    {"acdfg", '5'},  {"acdefg", '6'}, {"abc", '7'},
        {"abcdefg", '8'}, {"abcdfg", '9'}, {"g", '-'},      {"", ' '},
    };
    return table;
}

} // namespace

namespace {

// Where the centre of a segment falls on the back buffer; outside it when the cell is not.
QPoint segmentPoint(const M_Degit& digit, int cell, SegmentFont::Segment segment) {
    const QImage& image = digit.backBuffer();
    const QSize cellSize = SegmentFont::cellPixels(digit.DegitSize());
    const QPointF centre =
        SegmentFont::segmentCentre(segment, SegmentFont::faceForStyle(digit.DegitStyle()),
                                   QSizeF(cellSize), true) +
        QPointF(cell * cellSize.width(), 0);
    const QPointF device = centre * image.devicePixelRatio();
    return QPoint(qFloor(device.x()), qFloor(device.y()));
}

} // namespace

QRgb segmentPixel(const M_Degit& digit, int cell, SegmentFont::Segment segment) {
    const QImage& image = digit.backBuffer();
    const QPoint at = segmentPoint(digit, cell, segment);
    return image.rect().contains(at) ? image.pixel(at) : 0;
}

Lamp lamp(const M_Degit& digit, int cell, SegmentFont::Segment segment) {
    const QImage& image = digit.backBuffer();
    const QPoint at = segmentPoint(digit, cell, segment);
    if (!image.rect().contains(at)) return Lamp::Background;
    const QRgb px = image.pixel(at);
    const int lit = distance(px, Colour::toQColor(digit.DegitForeColor()));
    const int unlit = distance(px, Colour::toQColor(digit.BaseForeColor()));
    const int back = distance(px, Colour::toQColor(digit.BackColor()));
    if (lit <= unlit && lit <= back) return Lamp::Lit;
    return unlit <= back ? Lamp::Unlit : Lamp::Background;
}

QString read(const M_Degit& digit) {
    QString cells;
    for (int k = 0; k < digit.Keta(); ++k) {
        QString glowing;
        bool missing = false;
        for (int s = 0; s < 7; ++s) {
            const Lamp l = lamp(digit, k, SegmentFont::Segment(1 << s));
            if (l == Lamp::Lit) glowing += QChar('a' + s);
            if (l == Lamp::Background) missing = true;
        }
        const auto it = patterns().find(glowing);
        cells += missing ? QChar('!') : it != patterns().end() ? it->second : QChar('?');
    }
    return cells;
}

} // namespace DigitProbe
