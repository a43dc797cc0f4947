#pragma once
// Abbreviations in Latin capitals that road and bus signs put after a place's name: 鷺沢IC is
// the 鷺沢 interchange, said インターチェンジ, not アイシー.
#include <QString>

namespace RoadAbbreviations {

// `text` (NFKC, so full-width letters are ASCII) with each abbreviation that follows a name in
// kanji or kana written out in katakana. Elsewhere (alone, inside an English phrase, joined to
// other letters or digits, an IC card) the letters are left to be spelled.
QString expand(const QString& text);

} // namespace RoadAbbreviations
