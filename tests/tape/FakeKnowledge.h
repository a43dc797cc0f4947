#pragma once
// A made-up dictionary for the reading rules: small tables of words and kanji, so that a rule is
// tried on readings the test chooses rather than on the real dictionaries.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

#include <QHash>

class FakeKnowledge : public WordKnowledge {
  public:
    using Table = QHash<QString, QStringList>;

    // A table written "鷺=ロ 星=セイ/ショウ": entries apart by spaces, readings by slashes.
    static Table table(const char* entries) {
        Table out;
        for (const QString& entry : QString::fromUtf8(entries).split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype at = entry.indexOf(u'=');
            out.insert(entry.left(at), entry.mid(at + 1).split(u'/'));
        }
        return out;
    }

    Table words;       // the dictionary's words: surface → readings
    Table firms;       // the dictionary's firms' names
    Table commonNouns; // the dictionary's common nouns
    Table prefixes;    // the dictionary's prefixes
    Table chinese;     // kanji → readings in Chinese style
    Table native;      // kanji → native readings outside names, as words
    Table inNames;     // kanji → the native readings only names use

    QStringList dictionaryReadings(const QString& surface) override { return words.value(surface); }
    QStringList firmReadings(const QString& surface) override { return firms.value(surface); }
    QStringList commonNounReadings(const QString& surface) override {
        return commonNouns.value(surface);
    }
    QStringList prefixReadings(const QString& surface) override { return prefixes.value(surface); }
    // Alone, and character by character, a word reads as its first reading.
    QString readAlone(const QString& surface) override { return words.value(surface).value(0); }
    QString readCharacters(const QString& surface) override { return readAlone(surface); }
    QStringList chineseReadings(QStringView kanji) override {
        return chinese.value(kanji.toString());
    }
    QStringList nativeWords(QStringView kanji) override { return native.value(kanji.toString()); }
    QStringList nativeReadings(QStringView kanji) override {
        return inNames.value(kanji.toString()) + native.value(kanji.toString());
    }
};

// A word as the dictionary gives it: its surface, reading, part of speech and first subclass.
inline ReadWord word(const char* surface, const char* kana, const char* pos = "名詞",
                     const char* pos1 = "一般") {
    ReadWord w;
    w.surface = QString::fromUtf8(surface);
    w.pos = QString::fromUtf8(pos);
    w.pos1 = QString::fromUtf8(pos1);
    w.pronunciation = QString::fromUtf8(kana);
    w.known = true;
    return w;
}

// The readings of `words` one after another, each followed by `separator`.
inline QString readings(const ReadWords& words, QStringView separator = {}) {
    QString out;
    for (const ReadWord& w : words) {
        out += w.pronunciation;
        out += separator;
    }
    return out;
}
