#pragma once
// 之 between two kanji of a name is the particle の written in kanji (鷺之沢 サギノサワ, the
// marsh of the herons), as old names and signs write it. The dictionary knows 之 otherwise
// mostly in people's given names (吉之 ヨシユキ, 之子 ユキコ) and takes such a name for the kanji
// around it, so that the place is read as a person (鷺吉之沢 as サギヨシユキサワ), or as a
// facility's coined word in Chinese style (キチシ). There the name is cut on both sides of 之, and
// each part is read as a word of its own.
#include "sound/ReadWord.h"

#include <QList>

namespace KanjiNo {

// The offsets in `text` (the text `words` were analysed from) just before and just after each 之
// that stands between two kanji inside a longer word the dictionary does not read with the
// particle ノ: a word that is not a listed name nor fixed, and whose reading holds no ノ but as
// the first kana of a word that opens with another kanji (金之助 キンノスケ keeps its own, 紀之
// ノリユキ does not). Empty when there is none.
QList<qsizetype> boundaries(const ReadWords& words, QStringView text);

} // namespace KanjiNo
