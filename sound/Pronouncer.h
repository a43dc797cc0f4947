#pragma once
// Turns Japanese text into its pronunciation in katakana, the form the speech synthesiser reads
// well: MeCab with the IPA dictionary reads the kanji and the particles (は → ワ, へ → エ), the
// override table mends the bus phrases it misreads, and numbers in digits (full or half width)
// are read as numbers. Punctuation that marks a pause (、。？！) is kept; characters without a
// reading are dropped, so the synthesiser never spells them out.
#include <QString>
#include <QStringList>
#include <memory>

struct mecab_model_t;
struct mecab_t;
struct mecab_lattice_t;

class Pronouncer {
  public:
    // The folders searched for the IPA dictionary in UTF-8, in order.
    static QStringList defaultDictionaryDirs();

    // The pronouncer on the first of `dictionaryDirs` that holds an IPA dictionary in UTF-8;
    // nullptr when none does (or MeCab cannot start).
    static std::unique_ptr<Pronouncer> open(const QStringList& dictionaryDirs);
    ~Pronouncer();
    Pronouncer(const Pronouncer&) = delete;
    Pronouncer& operator=(const Pronouncer&) = delete;

    // The katakana pronunciation of `text`. Not reentrant: one thread at a time.
    QString toKana(const QString& text);

  private:
    struct Word {
        QString surface;
        QString partOfSpeech;
        QString pronunciation; // empty when the dictionary gives none
        bool spaceBefore = false;
    };

    Pronouncer() = default;
    std::vector<Word> analyse(const QString& text);

    mecab_model_t* m_model = nullptr;
    mecab_t* m_tagger = nullptr;
    mecab_lattice_t* m_lattice = nullptr;
};
