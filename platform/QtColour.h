#pragma once
// Colour values (0x00BBGGRR) to and from Qt's colours, for the code that paints.
#include "platform/core/Colour.h"

#include <QColor>

namespace Colour {

inline QColor toQColor(OleColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline OleColor fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace Colour
