#pragma once
// What a key of the panel's keypad does to the two LED displays. Digits go to the route
// display after "系統" and to the section display otherwise (also before any key was pressed);
// a full display ignores further digits.
#include <QString>

namespace KeypadRules {

constexpr int KeyKeitou = 10; // "系統"
constexpr int KeyKukan = 11;  // "区間"
constexpr int RouteDigits = 5;
constexpr int SectionDigits = 3;

// Applies key `index` (0 to 9 digits, 10 "系統", 11 "区間") to the displays.
void press(int index, bool& keyInKeitou, QString& route, QString& section);

} // namespace KeypadRules
