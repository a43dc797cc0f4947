#pragma once
// Readings of single kanji, for the characters of a word that the morphological dictionary
// does not know and cannot read alone either (須 of an unknown 須花). They come from KANJIDIC
// (Debian's package kanjidic, /usr/share/edict/kanjidic), read once on first use; without it a
// kanji has no reading here.
#include <QHash>
#include <QString>
#include <QStringList>

namespace KanjiReadings {

// The default places of the KANJIDIC file.
QString defaultPath();

// A katakana reading of `kanji` (one character, maybe a surrogate pair): its first reading
// in Chinese style (on'yomi), else its first Japanese one (kun'yomi, without the okurigana);
// empty when the file knows none. Thread-safe.
QString reading(QStringView kanji);

// The first reading of `kanji` in Chinese style (on'yomi), in katakana; empty when the file
// knows none (a kanji made in Japan has only native readings). Thread-safe.
QString chineseReading(QStringView kanji);

// The readings a KANJIDIC text (EUC-JP) gives, for tests: kanji → reading, as reading() picks.
QHash<QString, QString> parse(const QByteArray& bytes);

// Every reading of each kanji of a KANJIDIC text (EUC-JP), by kind: in Chinese style (on'yomi)
// and Japanese (kun'yomi without okurigana, with the readings used in names), in katakana.
// `words` are the native readings outside names as words: each kun'yomi's stem, and where it
// has okurigana the whole word and the noun a verb makes (向 むか.い: ムカ, ムカイ; 煉 ね.る: ネ,
// ネル, ネリ).
struct Kinds {
    QStringList on, kun, words;
};
QHash<QString, Kinds> parseKinds(const QByteArray& bytes);

// Every reading of `kanji` by kind, from the file read on first use; none when the file knows
// none. Thread-safe.
Kinds kinds(QStringView kanji);

// Whether `katakana` is a Japanese reading (kun'yomi) of some kanji of the file: a native word
// (ケヤキ, スギ), where a word written in katakana may also be a loanword (ホール). False
// without the file. Thread-safe.
bool isJapaneseReading(QStringView katakana);

} // namespace KanjiReadings
