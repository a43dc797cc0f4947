#pragma once
// Rules for the words of a name that the dictionary reads as words of another kind: a
// facility's coined word that it knows only as a given name (read in Chinese style), readings no
// name uses (亭 チン, 殿 シンガリ, 旧 フル), a shop's 店, a road station's 道, the 上 or 下 that
// opens a name before a suffix, the 大 of a university's short name, the direction of a firm's
// (中銀 チュウギン), a shrine's 神社 and 社, 鍼灸, the 場 (バ) after a native name, a family's
// house 家 (ケ), a tram stop's 停, a girls' school's 女子, a fork of roads 叉路. Part of
// WordRules::apply.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace CompoundWordRules {

// Mends the reading of words[i]. Asks `knows` for the kanji's Chinese and native readings.
void apply(ReadWords& words, size_t i, WordKnowledge& knows);

// Whether `w` is a noun or a prefix, a word a name is made of.
bool isNoun(const ReadWord& w);

} // namespace CompoundWordRules
