#pragma once
// Positions and sizes in the window layouts and the settings file are in twips; the screen
// works in pixels. 15 twips make one pixel at 96 dpi; Qt's high-DPI scaling does the rest.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <climits>
#include <cmath>

namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    // Round half away from zero so that -7 and 7 twips map symmetrically. Computed in 64 bits:
    // positions come from files and may be anywhere in the 32-bit range.
    const long long t = twips;
    return int(t >= 0 ? (t + PerPixel / 2) / PerPixel : -((-t + PerPixel / 2) / PerPixel));
}
constexpr int fromPixels(int pixels) {
    // A window placed from an extreme stored position must convert back without overflow.
    const long long t = static_cast<long long>(pixels) * PerPixel;
    return int(t > INT_MAX ? INT_MAX : t < INT_MIN ? INT_MIN : t);
}

inline QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
inline QSize toPixels(QSize twips) {
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}
inline QPoint toPixels(QPoint twips) {
    return QPoint(toPixels(twips.x()), toPixels(twips.y()));
}

} // namespace Twips
