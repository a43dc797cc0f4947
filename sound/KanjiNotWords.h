#pragma once
// Single kanji that the dictionary reads as something no name is made of. Where it does not
// know a name, it cuts it into single kanji and reads each as a word it knows alone, and two
// kinds of those words are never part of a place's or a facility's name:
// - a verb's stem cut from its okurigana, in the form that only the contraction ん can follow
//   (蟠 ワダカマ of 蟠らん, 取 ト of 取らん): a verb stem is not a word;
// - a person's name that is all the dictionary knows of the kanji, in a reading that only
//   people's names use (甫 ハジメ, 寧 ヤスシ, 阪 バン).
// These rules give such kanji the readings names use.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace KanjiNotWords {

// Whether the dictionary's reading of one kanji alone is one of those kinds (a bare verb stem,
// a reading only people's names use) rather than a word: a name read character by character
// takes the kanji's Chinese reading instead.
bool isNoWordOfAName(const ReadWord& w);

// Mends the readings of `words`; words fixed by the user or the override table are left alone.
// Asks `knows` for the kanji's Chinese readings and native words.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace KanjiNotWords
