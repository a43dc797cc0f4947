#pragma once
// Readings of the kanji that KANJIDIC leaves out (its list holds the JIS X 0208 set only), from
// Unicode's Unihan database (Debian's package unicode-data), and the variant forms among them
// that have no reading of their own and are read as a form that has one. The build writes what
// K41 needs of the database into a small table (kanji.tsv beside the place dictionaries, see
// tools/k41unihan): the database ships compressed with bzip2 and is many times larger than what
// is used of it, so K41 reads the plain table once instead of decompressing it on every start.
#include "sound/KanjiReadings.h"

#include <QByteArray>
#include <QChar>
#include <QHash>
#include <QString>

namespace UnihanReadings {

struct Table {
    // Each kanji's readings in katakana, Chinese-style (on'yomi) and Japanese (kun'yomi).
    QHash<QString, KanjiReadings::Kinds> readings;
    // A kanji without a reading anywhere → the variant of it that is read instead.
    QHash<QChar, QChar> variants;
};

// The Japanese readings of Unihan_Readings.txt (fields kJapaneseOn and kJapaneseKun, in upper
// case Hepburn romaji), in katakana; a reading that is not plain romaji is left out.
QHash<QString, KanjiReadings::Kinds> parseReadings(const QByteArray& text);

// For each kanji of Unihan_Variants.txt that neither `readings` nor `kanjidic` reads, the first
// of its variant forms that one of them does (KANJIDIC's first, as the morphological dictionary
// knows those characters too); kanji read by their own readings are left as they are.
QHash<QChar, QChar> readableVariants(const QByteArray& text,
                                     const QHash<QString, KanjiReadings::Kinds>& readings,
                                     const QHash<QString, KanjiReadings::Kinds>& kanjidic);

// The table as the build writes it (UTF-8, a kanji a line: kanji, on readings, kun readings,
// variant read instead, split by tabs) and back. parseTable() skips lines it cannot use.
QByteArray formatTable(const Table& table);
Table parseTable(const QByteArray& bytes);

// The table in the file at `path`; empty when there is none or it cannot be read.
Table load(const QString& path);

// `kanji` read alone, chosen as KanjiReadings chooses among KANJIDIC's readings: the first
// Chinese-style reading, else the first Japanese one; empty when the table has none.
QString reading(const Table& table, QStringView kanji);

} // namespace UnihanReadings
