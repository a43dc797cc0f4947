#pragma once
// A firm's name that goes on in Latin letters (鷺沢E&S, 鷺沢HD) is the firm's, though the place
// list reads the same kanji as a place of its own (the village サギイ for the firm サギツイ of a
// 鷺井). This
// gives such a word the reading the dictionary has for the firm.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace FirmNames {

// Mends the readings of `words` by the firms' names `knows` has; words fixed by the user or the
// override table are left alone.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace FirmNames
