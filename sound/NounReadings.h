#pragma once
// How romaji that leaves its long vowels unmarked is said: signs write Tokyo for トウキョウ,
// Osaka for オオサカ, Kobe for コウベ. MeCab looks words up only by how they are written, and
// those names are in its dictionaries in kanji alone (東京, 大阪, 神戸), so the build writes a
// table of the dictionaries' nouns by reading (tools/k41nouns, nouns.tsv beside the place
// dictionaries), each with the cost of its commonest word, and the speech reads it the first
// time a word in romaji could have a long vowel.
//
// The table holds only the readings that choice can ask about: a noun's reading with a long
// vowel that romaji could leave out (ウ, オ, or a loanword's ー), and a noun's reading that is
// such a reading with its long vowels left out. Its text, UTF-8:
//   # comment lines
//   #readings N
//   N lines "reading<TAB>cost", the readings in katakana, sorted by their bytes, each once
// A table that breaks any of that (cut short, edited, another file) is not used at all: the
// romaji is then said as it is spelled.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class NounReadings {
  public:
    // A longer reading is said only when its word is commoner than the short reading's by
    // this much of the dictionaries' cost, so that a common word or a city wins over a rare
    // word read short (神戸 コウベ over 小部 コベ) while a common word read short stays
    // (旅館 リョカン).
    static constexpr int LongerMargin = 1000;
    // Far more than the tables the build writes (a few MB); a larger file is not one.
    static constexpr qint64 MaxTableBytes = 32 << 20;

    NounReadings() = default;

    // The table of `bytes`; an empty one when it breaks the layout anywhere.
    static NounReadings parse(QByteArray bytes);
    // The tables of the files at `paths` together (the lowest cost of each reading); a file
    // that is missing or cannot be read or parsed adds nothing.
    static NounReadings load(const QStringList& paths);

    bool isEmpty() const { return m_tables.empty(); }
    qsizetype size() const;

    // The lowest cost of a noun read `reading`; none when no table has it.
    std::optional<int> cost(const QString& reading) const;

    // How romaji read `kana` (Romaji::toKana) is said: the one of its readings with long vowels
    // added (Romaji::longVowelReadings) whose noun is the commonest, where that is commoner than
    // the short reading's noun by LongerMargin or the short reading is no noun; where no noun
    // reads `kana` nor any of those, the commonest noun of its loanword readings with ー
    // (Romaji::barLongVowelReadings, Ramen ラーメン); else `kana`.
    QString spoken(const QString& kana) const;

    // What the build does. The nouns of a MeCab dictionary source (CSV lines: surface, context
    // ids, cost, part of speech in four fields, conjugation in two, base form, reading, ...) are
    // added to `costs` with the lowest cost of each reading; suffixes, numbers, dependent nouns
    // and pronouns are no names of their own and are left out.
    using Costs = QHash<QString, int>;
    static void addNouns(QStringView csv, Costs& costs);
    // The same for the common nouns written in katakana alone, loanwords mostly (スタジアム,
    // カフェ), by how they are written: the table of loanwords English words are said as
    // (LoanwordKana.h).
    static void addLoanwords(QStringView csv, Costs& costs);
    // Those of `costs` that spoken() can ask about, given the readings of all tables, `all`.
    static Costs forLongVowels(const Costs& costs, const Costs& all);
    // `costs` as a table, after the comment lines of `header` (each line starting with #).
    static QByteArray format(const Costs& costs, const QByteArray& header);

  private:
    // The reading of `readings` with the cheapest noun, and its cost; none when none is a noun.
    std::pair<QString, std::optional<int>> cheapest(const QStringList& readings) const;

    struct Table {
        QByteArray bytes;
        // Where each line starts, in the order of the file.
        std::vector<quint32> lines;
    };
    std::vector<Table> m_tables;
};
