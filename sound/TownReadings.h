#pragma once
// How 町 reads after a town's name: マチ in some towns, チョウ in others (新町 シンマチ, 田町
// タチョウ), and the dictionary reads the suffix マチ everywhere. A town's choice is mostly a
// habit of its region and of the words it is named with, and a name's neighbours in the
// country's lists share it: towns named like 鷺浜 or 北鷺浜 read 町 as the listed 鷺浜町 does.
// The build counts, over the listed names, how 町 reads after each ending of the part before
// it (its last character, its last two, and so on up to MaxEnding), and keeps the readings
// most of them give (towns.tsv beside the place dictionaries). A town missing from the lists
// is read by the longest ending of its name the table holds; the table's row for no ending at
// all is what most of the country's towns say.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

namespace TownReadings {

// The longest ending of the part before 町 that is counted.
constexpr int MaxEnding = 4;

// How many names an ending of one character needs, of two, of more: a short ending is shared
// by names of every kind and one of them says little; a longer one is most of a name, and a
// town named like a listed one reads 町 as it does.
int minNames(qsizetype endingLength);

// By the ending of the part before 町 (empty: any part), マチ or チョウ.
using Table = QHash<QString, QString>;

// The part before the one 町 of `name`, and マチ or チョウ as `reading` says it; nothing when
// the name holds no 町 after another character, more than one, or the reading says neither
// or both (蝶町 チョウマチ).
std::optional<std::pair<QString, QString>> town(const QString& name, const QString& reading);

// The table of `names` (name, reading in katakana): each ending whose names read 町 one way
// more often than the other, and only where that is not already what a shorter ending says.
Table count(const QList<std::pair<QString, QString>>& names);

// How 町 reads after `before` (the text before it) by the longest ending of it that `table`
// holds; empty when it holds none.
QString reading(const Table& table, QStringView before);

// The table as towns.tsv holds it, a row a line: the ending, a tab, マチ or チョウ. Malformed
// lines are skipped.
QString format(const Table& table);
Table parse(QStringView text);

} // namespace TownReadings
