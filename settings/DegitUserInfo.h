#pragma once
// The zero-display options of one fare digit, kept per fare digit in the settings file.
#include <QtGlobal>

struct DegitUserInfo {
    qint16 Shift = 0;    // blank cells kept at the right end
    qint16 ZeroMode = 0; // how zero, -1 and empty values show, 0 to 3
    qint16 FillZero = 0; // minimum number of digits, 0 = no padding

    friend bool operator==(const DegitUserInfo&, const DegitUserInfo&) = default;
};
