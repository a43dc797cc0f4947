#pragma once
// Whether the IPA dictionary knows a word of kana as a noun (サケ, スシ, キモノ): a word in
// Latin letters that spells such a word is taken for Japanese in romaji even where English has
// the same spelling (Sake), and one that spells none (House ホウセ) may be English.
#include "sound/EnglishWords.h"

#include <vector>

struct mecab_t;
struct mecab_lattice_t;

class MecabNouns : public EnglishWords::JapaneseWords {
  public:
    // On the tagger and lattice of a Pronouncer, which owns them and outlives this.
    MecabNouns(mecab_t* tagger, mecab_lattice_t* lattice);

    // Whether `kana`, written in hiragana or in katakana, is one noun of the dictionary with
    // that reading.
    bool knows(const QString& kana) override;

    // How Japanese written in romaji and read `kana` is said: the reading among `kana` and its
    // readings with long vowels made long (Romaji::longVowelReadings) that the dictionaries'
    // nouns, written in any characters, give the cheapest word; a longer one only where it is
    // cheaper by LongerMargin, so that a common word or place wins over a rare one read short
    // (Kobe 神戸 コウベ over 小部 コベ; Ryokan 旅館 リョカン as it is), and `kana` where no noun
    // reads so.
    static constexpr int LongerMargin = 1000;
    QString spoken(const QString& kana) override;

    // A noun's reading, by the hash of its UTF-8, and the cost of its cheapest word.
    struct Reading {
        size_t hash;
        int cost;
        bool operator<(const Reading& o) const {
            return hash != o.hash ? hash < o.hash : cost < o.cost;
        }
    };

  private:
    bool knowsAs(const QString& surface, const QString& kana);
    void loadReadings();

    mecab_t* m_tagger;
    mecab_lattice_t* m_lattice;
    // The readings of every noun in the tagger's dictionaries: read once, on the first word
    // asked.
    bool m_loaded = false;
    std::vector<Reading> m_readings;
};
