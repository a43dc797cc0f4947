#pragma once
// Counts how the place lists' names read a name (listed or not) where a longer listed name
// opens or closes with it (see sound/PartReadings.h), for part-readings.tsv.
#include "sound/KanjiReadings.h"
#include "sound/PartReadings.h"

#include <QHash>
#include <QList>
#include <QString>
#include <utility>

namespace PartCounts {

// A row needs at least this many longer names giving its reading, and this many times as many
// as give the name's own listed reading (for the own reading, or a name no list holds, as give
// the next commonest): a few names read otherwise are local habits, not how the country's
// names read the part.
constexpr int MinNames = 3;
constexpr int Ratio = 3;

// The table of `names` (name, reading in katakana). A longer name opening (closing) with a
// name of two characters or more counts the part of its reading that the name takes:
// where the rest of it is a listed name too and the reading ends (begins) with the rest's, the
// reading before (after) that; else a listed name's own reading where the longer reading begins
// (ends) with it; else the one beginning (end) of the reading that says the name's characters
// by their readings in `kanji`, a closing name's first kanji also by its native readings voiced.
// A longer name that gives none of these counts for nothing.
PartReadings::Table count(const QList<std::pair<QString, QString>>& names,
                          const QHash<QString, KanjiReadings::Kinds>& kanji);

} // namespace PartCounts
