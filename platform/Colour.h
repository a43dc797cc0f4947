#pragma once
// Colours are stored as 32-bit values with red in the low byte, then green, then blue
// (0x00BBGGRR), in the settings file and in every colour property.
#include <QColor>
#include <QtGlobal>

using OleColor = quint32;

namespace Colour {

constexpr OleColor rgb(int r, int g, int b) {
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}
inline QColor toQColor(OleColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline OleColor fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace Colour
