#pragma once
// Where a name is cut again when the dictionary joined its closing part into a word of another
// kind: a closing 上 or 下 made a common word with the kanji before it, a closing direction made a
// place of its own, an elementary school's short name swallowed into a place. Each gives the
// offset of the cut for the text to be analysed again with it.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace ClosingCuts {

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

} // namespace ClosingCuts
