#pragma once
// Japanese written in Latin letters (Hepburn or Kunrei romanisation) turned back into katakana:
// "Midori" → "ミドリ", "Shimbashi" → "シンバシ", "Sannomiya" → "サンノミヤ".
#include <QString>

namespace Romaji {

// The katakana of `word` when the whole word spells syllables of romanised Japanese, in any
// letter case; empty when any part of it does not (an English word such as "Park", initials
// such as "NHK"). A macron or circumflex marks a long vowel (Tōkyō トーキョー).
QString toKana(QStringView word);

} // namespace Romaji
