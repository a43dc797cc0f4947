#pragma once
// Rules that mend the dictionary's readings of words by the words around them: the sound
// changes of numbers before counters (十一丁目 ジュウイッチョウメ), the kana は and へ that are
// part of a name rather than the particles ワ and エ (KanaParticles.h), 町 by town, and more.
#include "sound/ReadWord.h"
#include "sound/TownReadings.h"
#include "sound/WordKnowledge.h"

namespace WordRules {

// `towns`: how 町 reads after the endings of the country's town names (TownReadings.h); a 町
// the dictionary takes for a suffix is read as the table says of the text before it. Empty: 町
// is left to the dictionary. Asks `knows` for kanji's readings.
void apply(ReadWords& words, WordKnowledge& knows, const TownReadings::Table& towns = {});

} // namespace WordRules
