#pragma once
// Rules that mend the dictionary's readings of words by the words around them: the sound
// changes of numbers before counters (十一丁目 ジュウイッチョウメ) and the kana は that is part of
// a name rather than the particle ワ (くれは苑).
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QChar>
#include <QHash>
#include <QString>

namespace WordRules {

// `towns`: how 町 reads after a kanji in the country's town names (PlaceNames::townReadings);
// a 町 the dictionary takes for a suffix after a name that ends in one of those kanji is read
// so. Empty: 町 is left to the dictionary. Asks `knows` for kanji's readings.
void apply(ReadWords& words, WordKnowledge& knows, const QHash<QChar, QString>& towns = {});

} // namespace WordRules
