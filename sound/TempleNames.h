#pragma once
// A temple's name is a Buddhist word read in Chinese style, and Buddhism took its readings from
// the older of the two layers of Chinese readings (go-on): 明 ミョウ, not the メイ of 明治; 行
// ギョウ, not コウ. The dictionaries know the famous temples; a temple they do not know comes out
// of the analysis in the native readings of its kanji or of a place of the same spelling
// (サギシマジ for a 鷺島寺). This reads the two kanji before a temple's 寺 (the rules have
// already read it ジ) in Chinese style when they were read otherwise, and the two before a
// hall's 堂, 院, 庵 or 坊 that it took for a person's name.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace TempleNames {

// The reading `kanji` takes in a Buddhist name among its Chinese-style readings `on` (in the
// order KANJIDIC lists them, the newer layer mostly first): its older reading where names
// keep it, else the first; empty when `on` is.
QString buddhistReading(QStringView kanji, const QStringList& on);

// Rereads the two kanji before each temple's 寺 (a word that opens with 寺 read ジ, or a word
// of one kanji and 寺 read …ジ after a single kanji) that were read otherwise than in Chinese
// style: by the dictionary's Chinese-style reading of the pair where it has one, else kanji by
// kanji; and the pair before a hall's 堂, 院, 庵 or 坊 that the dictionary took for a person's
// name, by its Chinese-style word. Words fixed by the user or the override table are left
// alone. Asks `knows` for the dictionary's words and the kanji's Chinese readings.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace TempleNames
