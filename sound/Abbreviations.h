#pragma once
// Abbreviations of signs that are said in full: those in Latin capitals that road and bus signs
// put after a place's name (鷺沢IC is the 鷺沢 interchange, said インターチェンジ, not アイシー),
// the number sign (No.3 ナンバーサン), the hyphen of a number's parts (3-1 サンノイチ) and the
// decimal point (2.5 ニテンゴ).
#include <QString>

namespace Abbreviations {

// `text` (NFKC, so full-width letters are ASCII) with each abbreviation that follows a name in
// kanji or kana written out in katakana. Elsewhere (alone, inside an English phrase, joined to
// other letters or digits, after a particle, an IC card) the letters are left to be spelled. "No"
// with or without a dot before a number is ナンバー, a hyphen between digits の, and a single dot
// between digits 点.
QString expand(const QString& text);

} // namespace Abbreviations
