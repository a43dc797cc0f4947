#pragma once
// A kanji that the dictionary took alone for a person's name or a native word, beside a
// Chinese-style word, where the kanji belongs to a Chinese word:
// - cut from the word it makes with the next kanji, before a name (温|泉南, 温 the given name
//   アツシ before a place; 神|明山): the two are one word the dictionary knows (温泉 オンセン,
//   神明 シンメイ), and the name is read with that word whole. A kanji read as a common word
//   in a native reading before a name is cut the same way (牡 オス|丹野 for 牡丹 ボタン);
// - before a common word, as the given name of a kanji the dictionary also knows as a prefix
//   in Chinese style (重 シゲル before 機械, the prefix ジュウ of heavy machines): the prefix.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <optional>

namespace CutCompounds {

// The offset in `text` just after the kanji and its neighbour of the first such cut in
// `words`, for the dictionary to read them as their word; nothing when there is none.
std::optional<qsizetype> boundary(const ReadWords& words, QStringView text, WordKnowledge& knows);

// Reads a given name before a common Chinese-style word as the prefix the dictionary knows the
// kanji as, in Chinese style; fixed words are left as they are.
void readPrefixes(ReadWords& words, WordKnowledge& knows);

} // namespace CutCompounds
