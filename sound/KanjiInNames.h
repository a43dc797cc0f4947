#pragma once
// How each kanji is read in place names, by where it stands in the name: first, inside or
// last. The build counts it over the place lists' names (each kanji aligned with its part of
// the name's reading) and writes it beside the place dictionaries as kanji-in-names.tsv; the
// reader asks it where a name falls apart into single kanji that the dictionary reads one by
// one as words of their own (a made-up 鷺|呂|保 read サギリョホ where names say サギロボ).
#include "sound/ReadWord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace KanjiInNames {

enum Position { First, Inside, Last };

// One reading of a kanji at one position, as names spell it there (voiced where they voice
// it), and how many names read it so.
struct Count {
    QString reading;
    int names = 0;
};

// For each kanji, its readings at each position, commonest first.
using Table = QHash<QString, std::array<QList<Count>, 3>>;

// The table's text: one line for each kanji, position and reading, "鷺\tF\tサギ\t12"
// (F first, I inside, L last); lines that are none of these are passed over.
Table parse(QStringView text);
QString format(const Table& table);

// How many names have `kanji` at `position`, and how many of them read it `reading` (voiced or
// plain); none for a kanji the table does not hold. The sums are 64-bit: a table's counts may
// come close to the largest int.
struct Share {
    qint64 asReading = 0;
    qint64 all = 0;
};
Share share(const Table& table, const QString& kanji, Position position, const QString& reading);

// Where the character at `at` of a text of `length` characters stands in it as a name.
inline Position positionAt(qsizetype at, qsizetype length) {
    return at == 0 ? First : at + 1 == length ? Last : Inside;
}

// The reading names give `kanji` at `position` where `mine` is a rare one there: the
// commonest, when at least a few names have the kanji there and those reading it as `mine`
// (voiced or not) are far fewer; empty otherwise.
QString namesReading(const Table& table, const QString& kanji, Position position,
                     const QString& mine);

// Reads each run of two or more single-kanji words of `words` (the words of `text`, in
// order, as the dictionary reads them) by `table`: words that are no number, no name of the
// lists and not fixed. A run does not open on a suffix or on a counter after a number; a
// verb's or an adjective's stem in it keeps its reading. A single kanji opening the name
// before a longer word of kanji (no listed name, no verbal noun) is read by it too.
void apply(ReadWords& words, QStringView text, const Table& table);

// Reads `word`, which the dictionary does not know, a character at a time: each kanji as names
// read it at its place in the name (the word starts at `at` in a name of `length` characters)
// where `table` says so plainly, and otherwise, like every other character, by `own`.
QString readUnknown(QStringView word, qsizetype at, qsizetype length, const Table& table,
                    const std::function<QString(const QString&)>& own);

} // namespace KanjiInNames
