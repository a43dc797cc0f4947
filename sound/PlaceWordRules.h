#pragma once
// Rules for the words of a place's name that the dictionary reads as words of another kind:
// the market of a market-day town (四日市 ヨッカイチ), the island and hill of a place (ジマ,
// ヤマ, not the suffixes トウ and サン of island groups and mountains), the front of a place
// (前, マエ), the voiced native word that closes a place (谷 ダニ). Part of WordRules::apply.
#include "sound/ReadWord.h"

namespace PlaceWordRules {

// Mends the reading of words[i] (and of the words just before it that belong to it).
void apply(ReadWords& words, size_t i);

} // namespace PlaceWordRules
