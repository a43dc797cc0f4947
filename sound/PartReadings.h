#pragma once
// How a listed name reads where it is only a part of a longer name. A name written one way is
// often read several ways, and the list keeps one reading for it (PlaceNames::choose); a town
// named 鷺台 and the names that open with it may agree, but the names that close with 台東 may
// read it otherwise than the listed 台東 does (ダイヒガシ, not タイトウ), and a name missing
// from the lists is most likely read as its listed neighbours read that part. The build counts,
// over the listed names, how each listed name of two characters or more reads where a longer
// listed name opens or closes with it, and keeps the reading that clearly most of them give
// (part-readings.tsv beside the place dictionaries). The reader reads a listed word that opens
// or closes a longer name by it. A word no list holds is counted likewise where the longer
// names read it alike: the dictionary reads such a word (a surname, a place elsewhere) as it
// reads it alone, and where the longer names voice it otherwise (御蔵 オグラ alone, オクラ at the
// start of longer names) it takes their voicing.
#include "sound/ReadWord.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace PartReadings {

// By the listed name, the reading longer names give it where they open with it and where they
// close with it.
struct Table {
    QHash<QString, QString> opening, closing;
    bool operator==(const Table&) const = default;
};

// The table's text: a line for each row, "台東\tL\tダイヒガシ" (F where longer names open with
// the name, L where they close with it). Lines that are none of these are passed over.
QString format(const Table& table);
Table parse(QStringView text);

// Reads the first of `words` (the words of one name, in order) by the table's opening row for
// it and the last by its closing row, only where other words come after it, or before it: a
// listed word as the row reads it, a word no list holds only where the row says the same kana
// but for voiced and plain ones (a long vowel marked or written out alike). A fixed word keeps
// its reading, and so does a last word after a particle (鷺の|小屋) where the row differs from it
// only in voicing, its first kana among them.
void apply(ReadWords& words, const Table& table);

} // namespace PartReadings
