#pragma once
// The marks that repeat the character before them: ゝ and ゞ after hiragana, ヽ and ヾ after
// katakana (いすゞ イスズ), and 々 after a kanji (鷺々 サギサギ). The dictionary knows them only
// inside the words it has (佐々木); elsewhere it takes them for symbols, which have no reading,
// so a name would lose a syllable.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QString>

namespace IterationMarks {

// `text` with each kana iteration mark after a kana written out as the kana it repeats,
// voiced for ゞ and ヾ (みすゞ みすず), unvoiced for ゝ and ヽ.
QString expandKana(const QString& text);

// Reads each 々 that the dictionary left unread (a symbol of its own) as the kanji before it,
// which `knows` reads by its characters, once the other words are read.
void repeatKanji(ReadWords& words, WordKnowledge& knows);

} // namespace IterationMarks
