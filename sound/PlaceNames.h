#pragma once
// The place-name list that MeCab takes as a user dictionary: town, district and station names
// of the whole country with their readings, from the SKK dictionaries (a reading headword, then
// the names written so). A name written one way is often read several ways (串田 クシダ,
// クシタ); the list keeps the reading that most other names starting or ending with it share,
// the way that name is read in most of the places that bear it.
#include "sound/KanjiReadings.h"
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace PlaceNames {

// The text with each full-size ケ between kanji, or after hiragana before a kanji, made small:
// that is the small ヶ of a name written large (鷹ケ原 タカガハラ, すずらんケ丘). The reader asks
// the dictionaries for names so, and the lists hold them so.
QString withSmallKe(QString text);

// The last feature of every word of the place dictionaries, after the nine the system dictionary
// gives: the reader knows by it that a word is a whole listed name, read as the list reads it.
inline constexpr char16_t ListedMark[] = u"地名表";

struct Entry {
    QString surface;
    QString reading; // katakana
};

// Every name of an SKK dictionary's text, with the reading of its headword in katakana. Only
// headwords of hiragana and names of kanji and kana that hold a kanji are taken; annotations
// (after ";") and comment lines are left out. A name's ケ is made small (withSmallKe), here
// and in fromEnamdict.
QList<Entry> fromSkk(QStringView text);

// The names of a proper-name dictionary in EDICT's format (ENAMDICT, text already decoded),
// lines such as "上野 [うえの] /(p,s) Ueno/(st) Ueno Station/", with their readings in katakana:
// those that hold a kanji, whose reading is all kana and whose glosses together carry every
// kind of `kinds` ("p" a place, "s" a surname, "st" a station).
QList<Entry> fromEnamdict(QStringView text, const QStringList& kinds);

// The words for a place of business or assembly (集会所, 出張所) among a dictionary's nouns
// (`fromEnamdict(edict, {"n"})`): those of three characters or more that end in 所 and have one
// reading. Such a place's 所 is ショ in some words and ジョ in others, which MeCab, splitting
// off the 所, cannot tell.
QList<Entry> facilities(const QList<Entry>& nouns);

// The entries of `more` whose name `list` does not hold: another source's names, added where the
// first is silent without outvoting its readings of the names it has.
QList<Entry> newNames(const QList<Entry>& list, const QList<Entry>& more);

// The names of `entries` spelt with the particle の between two kanji written another way, as
// signs write it: の, ノ and 之 (鷺ノ沢, 鷺之沢 of a listed 鷺の沢), each with the reading of the
// name it comes from. One particle is respelt at a time; a spelling that `entries` or `others`
// hold already keeps its own readings. (が and ヶ are left alone: a name spelt with the other
// one is as often another place of another reading.)
QList<Entry> particleTwins(const QList<Entry>& entries, const QList<Entry>& others = {});

// One entry for each name of two characters or more, with the reading that is most often
// also the start (or end) of the reading of a longer name that starts (or ends) with it; a
// longer name that reads as another listed name and one character more is no vote for the
// names it ends with (鷺沼東 is 鷺沼 and 東, not a reading of 沼東). A tie goes to the reading
// `preferred` gives for the name when it is one of those tied (the general dictionary's
// commonest reading of the word: 小島 コジマ rather than オジマ), else to the first in kana
// order. In order of surface.
//
// A name of two kanji read both in one style, each kanji by its on'yomi or each by its kun'yomi
// (`oneStyle` says; 鳩橋 ハトハシ rather than キュウハシ), counts as OneStyleVotes votes more: a
// town's name keeps to one style far more often than the mixed readings the list also holds.
//
// A reading that is a place's and a surname's too (`alsoSurname` says) counts as SurnameVotes
// votes more: a reading that many families took their name from is the common one of that place
// name, where the others are local.
constexpr int OneStyleVotes = 3;
constexpr int SurnameVotes = 5;
using ReadingTest = std::function<bool(const QString& name, const QString& reading)>;
QList<Entry> choose(const QList<Entry>& entries,
                    const std::function<QString(const QString&)>& preferred = {},
                    const ReadingTest& oneStyle = {}, const ReadingTest& alsoSurname = {});

// The entries but those whose name is one of the general dictionary's commonest words and reads
// otherwise as that word: `commonWord` gives a name's reading as a plain noun whose cost is
// below CommonWordCost (国立 コクリツ, 本部 ホンブ, 耳鼻 ジビ), else nothing. A stop named for a
// national hospital or a headquarters says the word; a place written the same (国立 クニタチ)
// keeps its reading where the list has it inside a longer name (国立駅).
constexpr int CommonWordCost = 3000;
QList<Entry> withoutCommonWords(const QList<Entry>& entries,
                                const std::function<QString(const QString&)>& commonWord);

// Whether `reading` of a `name` of two kanji is both kanji's on'yomi or both their kun'yomi, by
// `kanji`'s readings; the second may take the voiced sound of a compound (川 ガワ) and the first
// end in the small ッ before it (日 ニチ → ニッ).
bool readsInOneStyle(QStringView name, QStringView reading,
                     const QHash<QString, KanjiReadings::Kinds>& kanji);

// How MeCab with the IPA dictionary alone reads a name: the context ids of the first and
// the last word it splits the name into, and the cost of that path between them (the words'
// costs and the connections inside the name); whether the path has more than one word,
// whether its first word is a person's name and whether its last is a given name (not a
// surname), and whether its one word is a proper noun the dictionary gives no kind (neither a
// person, a place nor an organisation).
struct Analysis {
    int leftId = 0;
    int rightId = 0;
    int cost = 0;
    bool severalWords = false;
    bool personFirst = false;
    bool givenNameLast = false;
    bool properNounOfNoKind = false;
};

// A word's context ids in MeCab's connection table: to the word before it and to the one after.
struct ContextIds {
    int left = 0;
    int right = 0;
    bool operator==(const ContextIds&) const = default;
};

// The IPA dictionary's part of speech of a place's proper name, as its id tables spell it.
inline constexpr char16_t PlaceNounFeatures[] = u"名詞,固有名詞,地域,一般,*,*,*";

// The id that a MeCab id table (left-id.def or right-id.def: an id and a part of speech a line)
// gives `features`; none when no line has them.
std::optional<int> contextId(QStringView idTable, QStringView features);

// The ids a listed name joins its neighbours with. A name the dictionary splits into several
// words takes a place noun's ids, `placeNoun`, where it has them: as pieces, the name joined
// the words around it as its first and last piece would (a suffix, a verb's stem), which is
// not how a place joins 前, 駅 or 町 after it. So does a name the dictionary holds as a proper
// noun of no kind. Any other name of one word keeps that word's ids (a common noun, a place,
// an organisation, a person). A person's name in front, or a given name at the end, keeps the
// first word's left id: over the lists, the place's left id there costs more names than it
// gains. What follows a name joins it as a place whatever its last word: a surname at the
// end (…中山) is as often the place's own name, and 町 after it reads チョウ as after a place.
ContextIds contextIds(const Analysis& analysis, std::optional<ContextIds> placeNoun);

// How much cheaper a listed name is than the IPA dictionary's own reading of the same
// characters: enough that MeCab takes the listed reading for them, but not so much that a
// name swallows a neighbouring word (中学校, 公民館) that MeCab would otherwise split off.
constexpr int CostMargin = 1000;

// A listed name as a word of MeCab's user dictionary: its context ids and its cost.
struct Word {
    Entry entry;
    int leftId = 0;
    int rightId = 0;
    int cost = 0;
};

// The entries as words of the user dictionary. Each takes the cost (less CostMargin) of
// `analyse`'s reading of its characters and the context ids `contextIds` gives that reading
// with `placeNoun`; an entry that `analyse` gives no analysis for (it returns false) is left
// out.
QList<Word> dictionaryWords(const QList<Entry>& entries,
                            const std::function<bool(const QString&, Analysis&)>& analyse,
                            std::optional<ContextIds> placeNoun = {});

// The words as lines of a MeCab user dictionary in CSV, proper nouns of a place; and the
// entries so, by `dictionaryWords`.
QString userDictionaryCsv(const QList<Word>& words);
QString userDictionaryCsv(const QList<Entry>& entries,
                          const std::function<bool(const QString&, Analysis&)>& analyse);
// The names and readings of such a list (the name first, the reading twelfth), as the tables
// counted over the lists read them.
QList<std::pair<QString, QString>> listedNames(QStringView csv);

// The features a word of the user dictionary carries (part of speech, base form, reading), by
// which MeCab's analysis tells the word itself from others of the same characters.
QString wordFeatures(const Entry& entry);

// A listed name is costed against the general dictionary alone, but its listed parts are
// cheaper than the general dictionary's words for them: 千引 and the suffix 町 can cost as
// much as the listed 千引町 センビキチョウ, or less, and MeCab then reads the parts (センビキマチ).
// Each word whose characters `others` reads (by the dictionaries with every word, itself left
// out) for less than its cost plus PartsMargin costs PartsMargin less than that reading, so that
// the whole name wins over its listed parts. `others` gives nothing where it has no reading.
// A word made cheaper makes the names holding it cheaper in turn, so the caller runs this again
// over the dictionaries as changed, until no word changes. Returns how many words changed.
constexpr int PartsMargin = 600;
int undercutParts(QList<Word>& words, const std::function<std::optional<int>(const Word&)>& others);

} // namespace PlaceNames
