#pragma once
// Japanese written in Latin letters (Hepburn or Kunrei romanisation) turned back into katakana:
// "Midori" → "ミドリ", "Shimbashi" → "シンバシ", "Sannomiya" → "サンノミヤ".
#include <QString>
#include <QStringList>

namespace Romaji {

// The katakana of `word` when the whole word spells syllables of romanised Japanese, in any
// letter case; empty when any part of it does not (an English word such as "Park", initials
// such as "NHK"). A macron or circumflex marks a long vowel (Tōkyō トーキョー).
QString toKana(QStringView word);

// Romaji as commonly written leaves long vowels unmarked (Tokyo for トウキョウ, Osaka for
// オオサカ). The readings `kana`, a word's katakana from toKana, might stand for: each of its
// first MaxLongVowels syllables ending in o or u as it is or made long (オ row + ウ, the bare
// オ also + オ; ウ row + ウ), fewest lengthened first, leaving out `kana` itself. None where
// the word marks a long vowel anywhere (ー, a written ou, oo or uu): its writer marks them.
constexpr int MaxLongVowels = 4;
QStringList longVowelReadings(const QString& kana);

// The same for loanwords, whose long vowels katakana marks with ー (Ramen ラーメン): each of the
// first MaxLongVowels syllables as it is or followed by ー, fewest first; none where the word
// marks a long vowel anywhere.
QStringList barLongVowelReadings(const QString& kana);

} // namespace Romaji
