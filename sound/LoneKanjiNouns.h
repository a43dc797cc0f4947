#pragma once
// A kanji that stands as a common noun of its own in a name, where the dictionary knows more than
// one noun of it: 上 as ウエ (above) or カミ (the upper part), 海 as ウミ or カイ, 白 as シロ or
// シラ. The dictionary takes the commoner word of everyday text, but a name often uses the other
// (a made-up 鷺ノ上 in a list of names says カミ far more often than ウエ), or another word of the
// kanji the dictionary knows: a place's (宿 シュク), a suffix's (端 バタ). The reader then takes
// that reading where the place lists' names clearly favour it at that place in the name: first,
// inside or last (KanjiInNames' table).
#include "sound/KanjiInNames.h"
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QStringView>

namespace LoneKanjiNouns {

// Rereads each one-kanji common noun of `words` (the words of `text`, in order) that is neither
// fixed nor a listed name, as another word of that kanji that `knows` gives, when that is the
// reading the names of `table` most often give the kanji there, several times as often as the
// dictionary's. A word beside a hiragana の keeps its reading. Without the table nothing changes.
void apply(ReadWords& words, QStringView text, const KanjiInNames::Table& table,
           WordKnowledge& knows);

} // namespace LoneKanjiNouns
