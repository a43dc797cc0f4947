#pragma once
// Where the board's controls sit, in twips: the grid of 24 cells (ticket-number label above
// its fare digit, 4 rows × 6 columns), the stop-name line and the clock digits. The board
// window places its controls from here and the built-in picture draws its cells from here,
// so the two always agree.
#include "platform/core/Twips.h"

#include <QRect>
#include <array>

namespace BoardLayout {

constexpr int Cells = 24;
constexpr int ClientWidthTwips = 8145;
constexpr int ClientHeightTwips = 4995;

constexpr int row(int i) {
    return (i - 1) / 6;
}
constexpr int column(int i) {
    return (i - 1) % 6;
}

constexpr std::array<int, 4> DegitTops{1815, 2580, 3360, 4140};
constexpr std::array<int, 4> LabelTops{1545, 2310, 3090, 3870};

// Fare digit i, 1 to 24.
constexpr QRect degitTwips(int i) {
    return QRect(705 + 1218 * column(i), DegitTops[size_t(row(i))], 1140, 435);
}
// Ticket-number label i, 1 to 24. Label 13 sits 15 twips left of its column in the layout.
constexpr QRect labelTwips(int i) {
    return QRect(i == 13 ? 870 : 885 + 1218 * column(i), LabelTops[size_t(row(i))], 780, 240);
}

constexpr QRect Degit0Twips(2100, 30, 780, 300);
constexpr QRect Label0Twips(1185, 45, 780, 240);
constexpr std::array<QRect, 2> TimeDegitTwips{QRect(5445, 30, 390, 300), QRect(5850, 30, 390, 300)};
constexpr QRect ChimeiTwips(1200, 277, 6480, 840);

inline QRect pixels(const QRect& twips) {
    return Twips::toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

// The pixel frame of board cell i: its label strip and fare digit with a small margin.
inline QRect cellPixels(int i) {
    const QRect digit = pixels(degitTwips(i));
    const QRect label = pixels(labelTwips(i));
    return QRect(QPoint(digit.left() - 2, label.top() - 2),
                 QPoint(digit.right() + 2, digit.bottom() + 1));
}

} // namespace BoardLayout
