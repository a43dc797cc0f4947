#pragma once
// Counts how the country's listed place names voice a closing native word where it joins the
// part before it (see sound/JoinVoicing.h), for joins.tsv.
#include "sound/JoinVoicing.h"
#include "sound/KanjiReadings.h"

#include <QHash>
#include <QList>
#include <QString>
#include <utility>

namespace JoinCounts {

// Rows of fewer names than this are left out of the table: they could decide nothing.
constexpr int MinNames = 3;

// The counts over `names` (name and reading): a name of two characters or more whose last is a
// kanji read by one of its native readings in `kanji` that opens with a sound that can be voiced
// counts that reading voiced or plain, once by the character before it, once by the sound
// of the rest and once by `anyPart`; after a particle or a counter's ツ, by that character
// alone. Not counted: a word that already holds a voiced sound (鏡 カガミ, never voiced) and, by
// the character before, the sound or any part, a name whose last two characters are a listed
// name themselves (鷺大橋 holds the join of 大橋, not that of 鷺+大). A name of three
// characters or more and no particle before its kanji counts by `closingPair` as well, whatever
// its last two characters are.
JoinVoicing::Table count(const QList<std::pair<QString, QString>>& names,
                         const QHash<QString, KanjiReadings::Kinds>& kanji);

} // namespace JoinCounts
