#pragma once
// Numbers that the dictionary reads piece by piece, or as a place's name: the native count of
// a name (三ツ鷺 ミツサギ, not サンツ), the sound changes of hundreds and thousands across its
// words (三|百 サンビャク), a number before a counter that the place list took for a name
// (十九番 ジュウキュウバン), the sound changes before counters (1分 イップン, 1丁目
// イッチョウメ), and hours, months, days, people and years (4時 ヨジ, 4月 シガツ, 2日 フツカ,
// 1人 ヒトリ), in digits or in kanji.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QString>
#include <optional>

namespace NumeralWords {

// The value of `text` as a number in kanji (二十九 29, 三百五 305, 一万二千 12000), or -1 when
// it is not one: other characters, digits written in a row as a code (一二三, 二〇二), or a
// value of 10^8 or more.
long long value(QStringView text);

// Whether `w` is a number: the dictionary's number word, or digits.
bool isNumber(const ReadWord& w);

// The native count of 2 to 10 days (フツカ … トオカ); empty for other counts.
QString dayCount(int days);

// Where the dictionary cut a number in kanji before a word of `text` that opens with a
// numeral unit (五|百石, a place the list reads モモイシ), the offset just after that unit: the
// unit is part of the number, and what follows it is read after the number (五百|石 ゴヒャクコク).
// Nothing when the words hold no such cut.
std::optional<qsizetype> unitBoundary(const ReadWords& words, QStringView text);

// Mends the readings of the numbers in `words` (fixed words are left as they are). The word
// after a native count that the dictionary took for a suffix is read as `knows` reads it alone
// (池 イケ, not チ).
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace NumeralWords
