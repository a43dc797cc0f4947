#pragma once
// Whether the IPA dictionary knows a word of kana as a noun (サケ, スシ, キモノ): a word in
// Latin letters that spells such a word is taken for Japanese in romaji even where English has
// the same spelling (Sake), and one that spells none (House ホウセ) may be English.
#include "sound/EnglishWords.h"

struct mecab_t;
struct mecab_lattice_t;

class MecabNouns : public EnglishWords::JapaneseWords {
  public:
    // On the tagger and lattice of a Pronouncer, which owns them and outlives this.
    MecabNouns(mecab_t* tagger, mecab_lattice_t* lattice);

    // Whether `kana`, written in hiragana or in katakana, is one noun of the dictionary with
    // that reading.
    bool knows(const QString& kana) override;

  private:
    bool knowsAs(const QString& surface, const QString& kana);

    mecab_t* m_tagger;
    mecab_lattice_t* m_lattice;
};
