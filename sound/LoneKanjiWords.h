#pragma once
// Words of a single kanji that the dictionary reads in a way no name says them. Where it does
// not know a name, it cuts it into single kanji and reads each as the word it knows alone: the
// 日 of a 日ノ鷺 as Japan (ニチ), a lone 江 as the Chinese family name コウ, the prefix 向 as the
// コウ of 向上, the prefix 今 as the コン of 今大会, a closing 原 as the prefix ゲン, the 丘 of a
// thing's hill without its ガ (月見丘 ツキミオカ), a place's 間 as the span カン between places,
// and two kanji of a coined name one in Chinese style and one in native style (ケイハナ for a
// 慶華), a mix that a word of two kanji almost never makes.
// These rules give such words the reading names use.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace LoneKanjiWords {

// Whether `w` is a single kanji that the rules may read anew: read, and neither fixed by the user
// nor by the override table.
bool isLoneKanji(const ReadWord& w);

// Whether a person's title (さん, 様) follows words[i]: the name before it is a person's.
bool titled(const ReadWords& words, size_t i);

// Mends the readings of `words`; words fixed by the user or the override table are left alone.
// Asks `knows` for the dictionary's words and the kanji's Chinese and native readings.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace LoneKanjiWords
