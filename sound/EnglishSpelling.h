#pragma once
// What an English word's spelling tells about how Japanese says it: the vowel letters a
// reduced vowel is written with (Garden ガーデン, not ガーダン) and the consonants it doubles.
// Words are in lower-case letters.
#include <QList>
#include <QString>
#include <QStringView>

namespace EnglishSpelling {

// One written vowel: the last letter of a run of vowel letters.
struct Vowel {
    QChar letter;
    bool beforeR = false; // an r follows (Supermarket: e, a)
    bool endsInI = false; // ai, ay, ei, ey: said エイ where a alone is エー
    // The Japanese vowel (a i u e o) of the letter: u as in Campus キャンパス is a.
    char sound() const;
};

// Whether word[i] is a vowel letter: y is one after a consonant (City), not at the start
// (Young).
bool isVowelLetter(QStringView word, qsizetype i);

// The written vowels of `word`, in order, without the silent e at its end (Garden: a e;
// Station: a o; Village: i a) nor the e of a final -le (Table: a). Unstressed -ain and -age
// are said with e (Mountain マウンテン, Village ビレッジ).
QList<Vowel> vowels(const QString& word);

// Whether `word` doubles the consonant phoneme `symbol` (pp, tt, ck: Shopping), which
// Japanese holds (ッ) even between vowels.
bool doubles(QStringView symbol, const QString& word);

} // namespace EnglishSpelling
