#pragma once
// Names of schools, hospitals, halls and estates are coined in Chinese style: a kanji and a
// direction (城南, 港北 ジョウナン, コウホク), or two kanji of good meaning (鶴寿荘 カクジュソウ),
// read each by its on'yomi, where a place's own name is mostly read in the native style. The
// dictionary, not knowing the coined name, reads its kanji one by one as native words or given
// names (カリキタ for 雁北). This finds such a name in a text so that it is read as
// coined.
#include "sound/WordKnowledge.h"

#include <QString>
#include <optional>

namespace InstitutionNames {

struct Span {
    qsizetype at = 0, length = 0;
    QString reading; // katakana
};

// The first coined name in `text` and its reading; none when there is none. Asks `knows` for
// the dictionary's words and the kanji's Chinese readings.
std::optional<Span> find(const QString& text, WordKnowledge& knows);

} // namespace InstitutionNames
