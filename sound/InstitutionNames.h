#pragma once
// Names of schools, hospitals, halls and estates are coined in Chinese style: a kanji and a
// direction (城南, 港北 ジョウナン, コウホク), or two kanji of good meaning (鶴寿荘 カクジュソウ),
// read each by its on'yomi, where a place's own name is mostly read in the native style. The
// dictionary, not knowing the coined name, reads its kanji one by one as native words or given
// names (カリキタ for 雁北). This finds such a name in a text so that it is read as
// coined.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace InstitutionNames {

struct Span {
    qsizetype at = 0, length = 0;
    QString reading; // katakana
};

// What the reader knows of a word: the dictionary's readings of exactly these characters (as
// one word; empty when it has no such word), and a kanji's reading in Chinese style (empty
// when it has none).
struct Knowledge {
    std::function<QStringList(const QString&)> dictionaryReadings;
    std::function<QString(QStringView)> chineseReading;
};

// The first coined name in `text` and its reading; none when there is none.
std::optional<Span> find(const QString& text, const Knowledge& knows);

} // namespace InstitutionNames
