#pragma once
// Counts how the place lists' names read each kanji, by where it stands in the name (see
// sound/KanjiInNames.h): each name's kanji are aligned with its reading by KANJIDIC's readings,
// with the sound changes of a compound (a later part voiced, a part before another closing on
// ッ). A name that aligns in more than one way, or in none, counts for nothing.
#include "sound/KanjiInNames.h"
#include "sound/KanjiReadings.h"

#include <QList>
#include <QPair>

namespace KanjiCounts {

// Each name's parts and their readings, in order ("鷺" "サギ", "沢" "ザワ"); empty when the
// name does not align with `reading` or aligns in more than one way.
QList<QPair<QString, QString>> align(const QString& name, const QString& reading,
                                     const QHash<QString, KanjiReadings::Kinds>& kanji);

// The table of `names` (name, reading in katakana).
KanjiInNames::Table count(const QList<QPair<QString, QString>>& names,
                          const QHash<QString, KanjiReadings::Kinds>& kanji);

} // namespace KanjiCounts
