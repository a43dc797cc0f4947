#pragma once
// The voicing of a place name's closing native word where it joins the part before it (鷺+沢
// サギサワ or サギザワ, 鳩+川 ハトカワ or ハトガワ). Whether a compound voices its second part is
// partly a matter of sound (a second part that already holds a voiced sound stays plain; after
// ン or a long vowel voicing is commoner), partly a habit of the words themselves. The build
// counts, over the country's listed place names made of a part and a closing kanji read
// natively, how often each closing word is voiced, by the part's last character and by the
// sound the part closes with (joins.tsv beside the place dictionaries); where a name no list
// holds joins such a word, it takes the voicing those counts clearly favour.
#include "sound/ReadWord.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace JoinVoicing {

struct Counts {
    int voiced = 0;
    int plain = 0;
    bool operator==(const Counts&) const = default;
};

// The counts by closing kanji, its plain reading and the join's context: the last character of
// the part before it, or what `soundClass` says of that part.
struct Table {
    QHash<QString, Counts> counts;        // key: kanji, reading, context, tab-separated
    QHash<QString, QStringList> readings; // the plain readings counted of each kanji
    void add(const QString& kanji, const QString& reading, const QString& context, bool voiced,
             int times = 1);
    Counts at(const QString& kanji, const QString& reading, const QString& context) const;
    bool operator==(const Table&) const = default;
};

// The context of a part before a join by its sound: "*", then how its reading closes (ン, ッ,
// ー for a long vowel, else the vowel ア, イ, ウ, エ or オ), then "1" for a part of one
// character, "2" for a longer one. A reading's long vowel may be written out (コウ) or marked
// (コー).
QString soundClass(QStringView part, QStringView reading);

// The context of a kanji closing a name of three characters or more by the character before
// it: "+" and that character. Unlike the plain context of that character, it counts names
// whose last two characters are a listed name too, so it says how a word the lists hold ends
// a longer name (赤柴川 as well as 柴川 alone).
QString closingPair(QChar before);

// The context of the counts of a kanji's native word over every part before it: the widest
// row, that decides a join where neither the part's last character nor its sound does (沢 after
// parts whose sound leaves it either way, where most names with 沢 voice it).
QString anyPart();

// Whether a join after `last`, the part's last character, is a particle's, also written in
// katakana, or the counter's ツ (鷺ノ沢, 鷺ヶ沢, 鷺ガ沢, 三ツ沢). The word after it is no second
// part of a compound: only how the names voice it after that same particle decides it.
bool closesWithParticle(QChar last);

// `reading` with its first kana plain (ザワ サワ); as it is when that kana is not voiced.
QString unvoiced(const QString& reading);

// The table as joins.tsv holds it, a row a line: kanji, reading, context, voiced count, plain
// count, tab-separated. Malformed lines are skipped.
QString format(const Table& table);
Table parse(const QString& text);

// Voices or unvoices each word of one kanji that the dictionary read alone after another word,
// where the table's counts for it are clearly one-sided: first by the part's last character,
// then, after a part of two characters or more, by its `closingPair`, else by its sound, else by
// `anyPart`, as names with the kanji voice it whatever comes before. A reading of the user's, a
// listed name's or a half-voiced one (パ) is kept; a word after a particle is decided by the
// particle's own row alone (`closesWithParticle`). A name's last word of
// two characters or more that no list holds has its closing kanji decided likewise, by
// `closingPair` of the character before it.
void apply(ReadWords& words, const Table& table);

} // namespace JoinVoicing
