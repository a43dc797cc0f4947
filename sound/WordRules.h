#pragma once
// Rules that mend the dictionary's readings of words by the words around them: the sound
// changes of numbers before counters (十一丁目 ジュウイッチョウメ) and the kana は that is part of
// a name rather than the particle ワ (くれは苑).
#include "sound/ReadWord.h"

namespace WordRules {

void apply(ReadWords& words);

} // namespace WordRules
