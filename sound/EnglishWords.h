#pragma once
// English words in names (Museum, Park) read as Japanese says them: the synthesiser's English
// voice gives the word's phonemes, EnglishKana makes them katakana. Initials are left to be
// spelled, and without the English voice no word is read, so names are read as before.
#include "sound/KanaText.h"

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

    // On espeak-ng's English voice.
    EnglishWords();
    explicit EnglishWords(std::unique_ptr<Phonemiser> phonemiser);
    ~EnglishWords() override;

    // The katakana of `word`, a word of Latin letters; empty for initials (a word the English
    // voice would spell out, or a capital word without a vowel letter), for other characters
    // and when the phonemes cannot be had.
    QString read(const QString& word) override;

  private:
    QString readUncached(const QString& word);

    std::unique_ptr<Phonemiser> m_phonemiser;
    // Names repeat on a route; each word is asked once, up to a bound on the memory it takes.
    QHash<QString, QString> m_read;
};
