#pragma once
// How Japanese says an English word, from the word's phonemes: the katakana of a loanword
// (dʒiːnz ジーンズ, mjuːziːəm ミュージアム). The phonemes are the synthesiser's English ones in
// the International Phonetic Alphabet; stress is not heard in katakana and is dropped.
#include <QString>
#include <QStringView>

namespace EnglishKana {

// The katakana (and ー) of `phonemes`, the word `spelling` said in English. The spelling tells
// which vowel a reduced one (ə, ɪ) is written with, which Japanese follows (Garden ガーデン,
// Factory ファクトリー, Center センター), and whether a consonant between vowels is doubled
// (Shopping ショッピング). Characters that are no phoneme are skipped; empty when no phoneme
// is left. With `spelledVowels` false, reduced vowels keep their own sound (Kitchen キッチン,
// where the spelling would give キッチェン): loanwords go either way.
QString fromPhonemes(QStringView phonemes, QStringView spelling, bool spelledVowels = true);

} // namespace EnglishKana
