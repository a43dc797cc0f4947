#pragma once
// What the reading rules ask of the reader's dictionaries: MeCab with its dictionaries for words,
// KANJIDIC and the Unihan table for single kanji. The reader answers from them; a test answers
// from tables of its own, so that each rule is tried without the dictionaries.
#include <QString>
#include <QStringList>
#include <QStringView>

class WordKnowledge {
  public:
    virtual ~WordKnowledge() = default;

    // The dictionary's readings of exactly these characters as one word, other than as a person's
    // given name; none when it has no such word.
    virtual QStringList dictionaryReadings(const QString& surface) = 0;

    // The same, of a firm's name only.
    virtual QStringList firmReadings(const QString& surface) = 0;

    // The same, of a common noun only (a thing's or an action's name: 温泉, 機械).
    virtual QStringList commonNounReadings(const QString& surface) = 0;

    // The same, of a prefix before nouns only (重 ジュウ of 重機械).
    virtual QStringList prefixReadings(const QString& surface) = 0;

    // How the dictionary reads `surface` standing alone: its words' readings one after the other.
    virtual QString readAlone(const QString& surface) = 0;

    // `surface` read one character at a time, as a word the dictionary does not know is read.
    virtual QString readCharacters(const QString& surface) = 0;

    // The readings of `kanji` in Chinese style (on'yomi), in the order KANJIDIC lists them; none
    // when it has none (a kanji made in Japan).
    virtual QStringList chineseReadings(QStringView kanji) = 0;

    // The native readings of `kanji` outside people's names, as words: without okurigana, and
    // with it where the kanji stands for a whole word (向 ムカイ as well as ムカ).
    virtual QStringList nativeWords(QStringView kanji) = 0;

    // Every native reading of `kanji`: those of nativeWords and the readings names use.
    virtual QStringList nativeReadings(QStringView kanji) = 0;
};
