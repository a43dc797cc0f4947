#pragma once
// Cuts an announcement's text into the pieces its reading is made of: text for the dictionary
// to read, and names whose reading is given, either by the user's reading table or written in
// the text after the name in braces: 上条{じょうじょう}, or ｜ひばりが丘{ひばりがおか} where a bar
// marks where the name starts (otherwise it is the kanji, katakana, letters and digits just before
// the brace). Braces that do not hold kana are left as they are, so older texts read as before.
//
// Brackets end a piece: what is in them ("消防署前（沼田市）") is another phrase, and read
// together with what precedes it the dictionary takes the bracket for a word and misreads
// the words beside it.
#include <QString>
#include <vector>

class ReadingTable;

namespace AnnouncementText {

struct Piece {
    QString text;    // as the dictionary is given it (NFKC)
    QString reading; // katakana when the reading is given; empty: the dictionary reads `text`
};

// The text as the dictionary expects it: NFKC (full-width digits and letters made ASCII,
// half-width katakana made full width), digit groups ("1,000") joined, control and format
// characters dropped.
QString normalised(const QString& text);

// The pieces of `text`, in order; `readings` may be null.
std::vector<Piece> pieces(const QString& text, const ReadingTable* readings);

} // namespace AnnouncementText
