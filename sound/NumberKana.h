#pragma once
// How a number written in digits is read aloud, in katakana ("230" → "ニヒャクサンジュウ").
#include <QString>

namespace NumberKana {

// The reading of a run of ASCII digits. A run with a leading zero ("007") or longer than 16
// digits is a code or a telephone number and is read digit by digit.
QString read(QStringView digits);

} // namespace NumberKana
