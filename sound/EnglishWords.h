#pragma once
// English words in names (Museum, Park) read as Japanese says them: the synthesiser's English
// voice gives the word's phonemes, EnglishKana makes them katakana. Initials are left to be
// spelled, and without the English voice no word is read, so names are read as before.
#include "sound/EnglishWordList.h"
#include "sound/KanaText.h"
#include "sound/NounReadings.h"

#include <QHash>
#include <QString>
#include <memory>

class EnglishWords : public KanaText::EnglishReader {
  public:
    // Where the phonemes come from.
    class Phonemiser {
      public:
        virtual ~Phonemiser() = default;
        // The IPA phonemes of `text` said in English, words between spaces; empty when they
        // cannot be had.
        virtual QString phonemes(const QString& text) = 0;
    };

    // Which words of kana Japanese has.
    class JapaneseWords {
      public:
        virtual ~JapaneseWords() = default;
        virtual bool knows(const QString& kana) = 0;
    };

    // On espeak-ng's English voice and the system's English word list.
    EnglishWords();
    explicit EnglishWords(std::unique_ptr<Phonemiser> phonemiser);
    ~EnglishWords() override;

    // The katakana of `word`, a word of Latin letters; empty for initials (a word the English
    // voice would spell out, or a capital word without a vowel letter), for other characters
    // and when the phonemes cannot be had.
    QString read(const QString& word) override;

    // Whether `word`, which also spells romanised Japanese read `romaji`, is rather English:
    // the word list has it and Japanese has no word `romaji` (House, not ホウセ; but Sake サケ).
    // Never without a word list and the Japanese words to ask.
    bool isEnglish(const QString& word, const QString& romaji) override;
    // With its unmarked long vowels made long as the tables of nouns' readings tell
    // (NounReadings::spoken); without tables, `romaji` as it is.
    QString japanese(const QString& romaji) override;

    void setWordList(std::unique_ptr<EnglishWordList> list);
    void setJapaneseWords(std::unique_ptr<JapaneseWords> japanese);
    // The tables of nouns' readings japanese() asks (see NounReadings.h), read the first time a
    // word could need them: most names have no romaji, and the tables take a few MB.
    void setNounTables(QStringList paths);
    // The table of nouns written in katakana that say which loanword an English word is
    // (LoanwordKana.h), read the first time a word is read from its phonemes. Without it a
    // word is said as its phonemes are.
    void setLoanwordTable(QString path);

  private:
    QString readUncached(const QString& word);

    std::unique_ptr<Phonemiser> m_phonemiser;
    std::unique_ptr<EnglishWordList> m_list;
    std::unique_ptr<JapaneseWords> m_japanese;
    QStringList m_nounTables;
    std::unique_ptr<NounReadings> m_nouns;
    QString m_loanwordTable;
    std::unique_ptr<NounReadings> m_loanwords;
    // Names repeat on a route; each word is asked once, up to a bound on the memory it takes.
    QHash<QString, QString> m_read;
};
