#pragma once
// The items of the options dialog's drop-down lists. A stored list position is valid only
// when the list holds that many items, so the settings rules and the dialog share these.
#include <QStringList>

namespace OptionLists {

constexpr int DigitPositionCount = 24;  // Combo4 0 to 3: "1" to "24"
constexpr int FareColumnCount = 150;    // Combo1 and Combo4 4: "1" to "150"
constexpr int NumberingStyleCount = 12; // Combo2
constexpr int ChimeiFontModeCount = 5;  // Combo3
constexpr int TsugiwaFontModeCount = 4; // Combo5
constexpr int TsugiwaModeCount = 3;     // Combo6

// "1" to "count".
QStringList numbers(int count);
// Ticket-number styles, position 0 being the default numbering 1 to 24.
QStringList numberingStyles();
QStringList chimeiFontModes();
QStringList tsugiwaFontModes();
QStringList tsugiwaModes();

} // namespace OptionLists
