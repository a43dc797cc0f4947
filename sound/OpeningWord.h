#pragma once
// The first word of a name never opens with the voiced sound that a compound gives its second
// part (田 タ, but 鳩田 ハトダ): a place list that learnt a word inside longer names can hold it
// only in that voiced form (a district of 田 and 町 read ダチョウ), which said at the start of
// a name is another word (the bird). There it takes the dictionary's reading that opens unvoiced.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace OpeningWord {

// Mends the first word of `words` where its reading opens with a voiced kana that no reading
// of its first kanji opens with (`knows`'s Chinese and native readings) and that unvoiced opens
// a native reading of it: it takes the dictionary's reading of the same characters that opens
// with the unvoiced kana, where there is one. Many names do open with such a voiced word of
// their own (岳 ダケ, 口 グチ), so without the dictionary's other reading the word is kept. A
// word fixed by the user is left alone.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace OpeningWord
