#pragma once
// Turns Japanese text into its pronunciation in katakana, the form the speech synthesiser reads
// well. Names whose reading the user gave (a reading table, or a reading in braces in the text,
// see AnnouncementText) are read so; MeCab with the IPA dictionary reads the rest, the override
// table mends the bus phrases it misreads, WordRules the sound changes between words, and
// numbers in digits (full or half width) are read as numbers. A word the dictionary does not
// know is read character by character, so no part of a name is ever left unsaid; English words
// in Latin letters are read as loanwords (EnglishWords), initials spelled. Punctuation
// that marks a pause (、。？！) is kept; characters without a reading are dropped, so the
// synthesiser never spells them out.
#include "sound/KanjiInNames.h"
#include "sound/PartReadings.h"
#include "sound/ReadWord.h"
#include "sound/TownReadings.h"
#include "sound/UnihanReadings.h"
#include "sound/WordKnowledge.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class EnglishWords;
namespace JoinVoicing {
struct Table;
}
struct mecab_model_t;
struct mecab_t;
struct mecab_lattice_t;
class ReadingTable;

// The reader answers what its reading rules ask of the dictionaries (WordKnowledge); privately,
// as no one else asks it.
class Pronouncer : private WordKnowledge {
  public:
    // The folders searched for the IPA dictionary in UTF-8, in order.
    static QStringList defaultDictionaryDirs();

    // Whether one of `dictionaryDirs` holds a dictionary file; cheap, it opens nothing.
    static bool dictionaryIn(const QStringList& dictionaryDirs);

    // The user dictionaries of place names (see PlaceNames.h), places.dic and names.dic, those
    // there are of them: the installed ones beside the program's data, else those of the build
    // tree; empty when there are none.
    static QStringList defaultPlaceDictionaries();

    // The table of the kanji readings KANJIDIC lacks (kanji.tsv, see UnihanReadings.h): the
    // installed one beside the program's data, else the build tree's; empty when there is none.
    static QString defaultKanjiTable();

    // The pronouncer on the first of `dictionaryDirs` that holds an IPA dictionary in UTF-8,
    // with those of the user dictionaries `placeDictionaries` that MeCab takes (each one it
    // refuses, missing, cut or made for another dictionary, is left out and the others are
    // still used), the tables of towns.tsv, joins.tsv, part-readings.tsv and of nouns' readings
    // (nouns.tsv, nouns-names.tsv) beside the first one taken when there are, and the kanji table
    // of defaultKanjiTable(); nullptr when no folder holds a dictionary (or MeCab cannot start).
    static std::unique_ptr<Pronouncer> open(const QStringList& dictionaryDirs,
                                            const QStringList& placeDictionaries = {});
    ~Pronouncer() override;
    Pronouncer(const Pronouncer&) = delete;
    Pronouncer& operator=(const Pronouncer&) = delete;

    // The katakana pronunciation of `text`, with the user's `readings` (may be null). Not
    // reentrant: one thread at a time.
    QString toKana(const QString& text, const ReadingTable* readings = nullptr);

    // Reads the kanji that neither the dictionary nor KANJIDIC knows by `table` instead of the
    // one open() loaded.
    void setKanjiTable(UnihanReadings::Table table);

  private:
    Pronouncer() = default;
    // The words of `text`, with a word boundary at each of `boundaries` (character offsets).
    ReadWords analyse(const QString& text, const QList<qsizetype>& boundaries = {});
    QString readPiece(const QString& text);
    // The dictionary's readings of `surface` as one word, but for given names; with `kind`,
    // only of words of that kind (a feature prefix such as "名詞,固有名詞,組織").
    QStringList wordReadings(const QString& surface, const char* kind = nullptr);

    // What the reading rules ask (see WordKnowledge).
    QStringList dictionaryReadings(const QString& surface) override;
    QStringList firmReadings(const QString& surface) override;
    QStringList commonNounReadings(const QString& surface) override;
    QStringList prefixReadings(const QString& surface) override;
    QString readAlone(const QString& surface) override;
    QString readCharacters(const QString& surface) override;
    // One character of a word the dictionary does not know (see readCharacters).
    QString readCharacter(const QString& character);
    QStringList chineseReadings(QStringView kanji) override;
    QStringList nativeWords(QStringView kanji) override;
    QStringList nativeReadings(QStringView kanji) override;

    mecab_model_t* m_model = nullptr;
    mecab_t* m_tagger = nullptr;
    mecab_lattice_t* m_lattice = nullptr;
    // The English words in names (Museum ミュージアム), read by the synthesiser's English.
    std::unique_ptr<EnglishWords> m_english;
    // How 町 reads after a name's ending, from beside the place dictionary (TownReadings.h).
    TownReadings::Table m_towns;
    // How the place lists voice a closing word at its join, from beside the place dictionary.
    std::unique_ptr<JoinVoicing::Table> m_joins;
    // How names read each kanji by its place in the name, from beside it (KanjiInNames.h).
    KanjiInNames::Table m_kanjiInNames;
    // How longer names read a listed name they open or close with, from beside it.
    PartReadings::Table m_parts;
    // The readings of the kanji KANJIDIC lacks, and variants read as other kanji.
    UnihanReadings::Table m_kanji;
};
