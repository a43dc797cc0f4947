#pragma once
// Rules for the words of a name that the dictionary reads as words of another kind: a
// facility's coined word that it knows only as a given name (read in Chinese style), readings no
// name uses (亭 チン, 殿 シンガリ, 旧 フル), a shop's 店, a road station's 道, the 上 or 下 that
// opens a name before a suffix, the 大 of a university's short name, the direction of a firm's
// (中銀 チュウギン), a shrine's 神社 and 社, 鍼灸, the 場 (バ) after a native name, a family's
// house 家 (ケ), a tram stop's 停, a girls' school's 女子, a fork of roads 叉路, and the 上 or 下
// that closes a name where the dictionary made a common word of it, and a closing direction it
// joined into a place of its own. Part of WordRules::apply.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <optional>

namespace CompoundWordRules {

// Mends the reading of words[i]. Asks `knows` for the kanji's Chinese and native readings.
void apply(ReadWords& words, size_t i, WordKnowledge& knows);

// Whether `w` is a noun or a prefix, a word a name is made of.
bool isNoun(const ReadWord& w);

// Where a name that closes with its upper or lower part (鷺屋上, the upper end of 鷺屋) should be
// cut, as an offset into `text` (the text the words were analysed from, which may hold spaces
// the dictionary skipped), when the dictionary joined that 上 or 下 to the kanji before it into a
// common word (屋上 the rooftop, 部下 a subordinate); none otherwise.
std::optional<qsizetype> closingPart(const ReadWords& words, QStringView text);

// Where a name that closes with a direction (鳩入江東, the east of 鳩入江) should be cut, as an
// offset into `text`, when the dictionary joined the direction to the kanji before it into a place
// of its own (入|江東, the ward コウトウ) after a kanji left on its own, while the two kanji
// make a word the dictionary knows (入江); none otherwise, so that a place so named after a word of
// its own (鷺沢|江東) keeps its name.
std::optional<qsizetype> closingDirection(const ReadWords& words, QStringView text,
                                          WordKnowledge& knows);

// Where a name ends with an elementary school's short name and the stop's side of it (鷺北小前,
// the front of the north school 北小): the offset of that 小, which is read ショウ as a word of
// its own, not the small コ or オ of a place the dictionary may join it into (小前, 西小).
std::optional<qsizetype> schoolShortName(const QString& text);

} // namespace CompoundWordRules
