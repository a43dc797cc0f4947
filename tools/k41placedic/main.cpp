// Writes the place-name lists that the build turns into MeCab's user dictionaries (see
// sound/PlaceNames.h):
//   k41placedic PLACES.csv NAMES.csv TOWNS.tsv IPADIC-UTF8-FOLDER [--names ENAMDICT]
//               [--words EDICT] [--index MECAB-DICT-INDEX --sources IPADIC-SOURCE-FOLDER]
//               SKK-DICTIONARY...
// PLACES.csv gets the names of the SKK dictionaries (EUC-JP as Debian ships them), NAMES.csv
// those that only the proper-name dictionary (ENAMDICT, EUC-JP) or the dictionary of words
// (EDICT, EUC-JP) holds: the two sources come under different licences, so each list holds
// the names and readings of one alone and is compiled into a dictionary of its own. The
// proper-name dictionary adds the places the SKK dictionaries lack and says which readings
// are surnames too, which still weighs in on the choice among an SKK name's own readings; the
// dictionary of words gives the readings of 所 in the names of places of business and
// assembly (PlaceNames::facilities). TOWNS.tsv gets how 町 reads after the endings of the names
// the lists hold (TownReadings.h): an ending of at most a few characters and マチ or チョウ a
// line. The folder holds the compiled IPA dictionary in UTF-8, whose reading
// of each name gives the name's context ids and cost; a name that is one of its commonest
// words, read otherwise, is left to it (PlaceNames::withoutCommonWords). Given MeCab's
// dictionary compiler and the IPA dictionary's sources, the lists are compiled as they are
// costed and each name made cheaper than its listed parts (PlaceNames::undercutParts).
// Beside TOWNS.tsv it writes kanji-in-names.tsv, how the listed names read each kanji by its
// place in the name (KanjiCounts.h), and part-readings.tsv, how they read a listed name that
// opens or closes a longer one (PartCounts.h). From lists already written so, it writes one of
// those tables, how their names voice a closing word at its join (JoinCounts.h), or TOWNS.tsv
// again:
//   k41placedic --kanji-in-names TABLE.tsv LIST.csv...
//   k41placedic --parts TABLE.tsv LIST.csv...
//   k41placedic --joins JOINS.tsv LIST.csv...
//   k41placedic --towns TOWNS.tsv LIST.csv...
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "sound/PlaceNames.h"
#include "sound/TownReadings.h"
#include "tools/k41placedic/JoinCounts.h"
#include "tools/k41placedic/KanjiCounts.h"
#include "tools/k41placedic/PartCounts.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <mecab.h>

namespace {

// The largest SKK dictionary Debian ships is about 10 MB, ENAMDICT about 27 MB.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

QString readEucJp(const QString& path) {
    const QByteArray bytes = FileReader::read(path, MaxBytes);
    QStringDecoder decode("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!decode.isValid())
        throw K41Error(K41Error::InternalError, QStringLiteral("no EUC-JP decoder"));
    return decode(bytes);
}

// The first and the last word of the lattice's path; none when the path has no word.
struct PathEnds {
    const mecab_node_t* first = nullptr;
    const mecab_node_t* last = nullptr;
};

PathEnds pathEnds(mecab_lattice_t* lattice) {
    PathEnds ends;
    for (const mecab_node_t* n = mecab_lattice_get_bos_node(lattice); n; n = n->next) {
        if (n->stat == MECAB_BOS_NODE || n->stat == MECAB_EOS_NODE) continue;
        if (!ends.first) ends.first = n;
        ends.last = n;
    }
    return ends;
}

// A path's cost between its first word's left end and its last word's right end. A node's
// cost is the path's from the start; the first word's own cost is added back so that only the
// connection from the sentence's start is left out.
int pathCost(const PathEnds& ends) {
    return int(ends.last->cost - ends.first->cost + ends.first->wcost);
}

// MeCab's best path through `surface` alone: the first word's left id, the last word's right
// id and the cost between them.
bool analyse(mecab_t* tagger, mecab_lattice_t* lattice, const QString& surface,
             PlaceNames::Analysis& out) {
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(tagger, lattice)) return false;
    const PathEnds ends = pathEnds(lattice);
    if (!ends.first) return false;
    out.leftId = ends.first->lcAttr;
    out.rightId = ends.last->rcAttr;
    out.cost = pathCost(ends);
    out.severalWords = ends.first != ends.last;
    // Features: part of speech and its subdivisions; the second subdivision names people, the
    // third tells a surname (姓) from a given name (名).
    const auto person = [](const mecab_node_t* n, const char* kind) {
        return QString::fromUtf8(n->feature)
            .section(u',', 2, 3)
            .startsWith(QString::fromUtf8(kind));
    };
    out.personFirst = person(ends.first, "人名");
    out.givenNameLast = person(ends.last, "人名,名");
    out.properNounOfNoKind =
        !out.severalWords && QByteArray(ends.first->feature).startsWith("名詞,固有名詞,一般,");
    return true;
}

// A place noun's context ids by the IPA dictionary's id tables in its `sources` (EUC-JP);
// none when they do not name it.
std::optional<PlaceNames::ContextIds> placeNounIds(const QString& sources) {
    const auto id = [&](const char* table) {
        return PlaceNames::contextId(readEucJp(QDir(sources).filePath(QString::fromLatin1(table))),
                                     PlaceNames::PlaceNounFeatures);
    };
    const std::optional<int> left = id("left-id.def");
    const std::optional<int> right = id("right-id.def");
    if (!left || !right) return std::nullopt;
    return PlaceNames::ContextIds{*left, *right};
}

// The reading of the cheapest word the dictionary has for all of `surface`, the commonest;
// empty when it has none.
QString commonestReading(mecab_t* tagger, mecab_lattice_t* lattice, const QString& surface) {
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(tagger, lattice)) return {};
    const mecab_node_t* best = nullptr;
    for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(lattice, 0); n; n = n->bnext)
        if (n->stat == MECAB_NOR_NODE && n->length == size_t(utf8.size()) &&
            (!best || n->wcost < best->wcost))
            best = n;
    if (!best) return {};
    // Features: part of speech and its subdivisions (4), conjugation (2), base form, reading.
    return QString::fromUtf8(best->feature).split(u',').value(7);
}

// The reading of `surface` as one of the dictionary's commonest plain nouns (a word cost below
// PlaceNames::CommonWordCost); empty when it is none.
QString commonWord(mecab_t* tagger, mecab_lattice_t* lattice, const QString& surface) {
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(tagger, lattice)) return {};
    for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(lattice, 0); n; n = n->bnext)
        if (n->stat == MECAB_NOR_NODE && n->length == size_t(utf8.size()) &&
            n->wcost < PlaceNames::CommonWordCost &&
            QByteArray(n->feature).startsWith("名詞,一般,"))
            return QString::fromUtf8(n->feature).split(u',').value(7);
    return {};
}

// The cost of MeCab's best path through `word`'s characters that is not the word itself
// alone (the lattice asks for the best paths in order), between the first word's left end and
// the last word's right end as `analyse` counts it; nothing when there is none.
std::optional<int> othersCost(mecab_t* tagger, mecab_lattice_t* lattice,
                              const PlaceNames::Word& word) {
    const QByteArray utf8 = word.entry.surface.toUtf8();
    const QByteArray features = PlaceNames::wordFeatures(word.entry).toUtf8();
    mecab_lattice_set_sentence2(lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(tagger, lattice)) return {};
    // The word itself may come more than once among the best paths.
    for (int path = 0; path < 4; ++path) {
        const PathEnds ends = pathEnds(lattice);
        if (!ends.first) return {};
        const bool itself = ends.first == ends.last && ends.first->length == size_t(utf8.size()) &&
                            features == QByteArray(ends.first->feature);
        if (!itself) return pathCost(ends);
        if (!mecab_lattice_next(lattice)) return {};
    }
    return {};
}

// Compiles a list in MeCab's CSV into a user dictionary with `index` (mecab-dict-index)
// against the IPA dictionary's `sources`.
void compile(const QString& index, const QString& sources, const QString& csv, const QString& dic) {
    QProcess p;
    p.start(index, {QStringLiteral("-d"), sources, QStringLiteral("-u"), dic, QStringLiteral("-f"),
                    QStringLiteral("utf-8"), QStringLiteral("-t"), QStringLiteral("utf-8"), csv});
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw K41Error(K41Error::InternalError,
                       QStringLiteral("%1 cannot compile %2: %3")
                           .arg(index, csv, QString::fromLocal8Bit(p.readAllStandardError())));
}

// At most this many rounds of PlaceNames::undercutParts: a name is made cheaper after its
// listed parts, and names hold names a few deep at most.
constexpr int MaxRounds = 8;

// Makes each listed name cheaper than its listed parts (PlaceNames::undercutParts), compiling
// the lists as they stand before each round.
void undercutInRounds(const QString& index, const QString& sources, const char* ipadic,
                      QList<PlaceNames::Word>& places, QList<PlaceNames::Word>& names) {
    const QTemporaryDir dir;
    if (!dir.isValid())
        throw K41Error(K41Error::InternalError, QStringLiteral("no temporary folder"));
    for (int round = 0; round < MaxRounds; ++round) {
        QStringList dics;
        for (const auto* words : {&places, &names}) {
            if (words->isEmpty()) continue;
            const QString csv = dir.filePath(QStringLiteral("%1.csv").arg(dics.size()));
            const QString dic = dir.filePath(QStringLiteral("%1.dic").arg(dics.size()));
            FileReplace::write(csv, PlaceNames::userDictionaryCsv(*words).toUtf8());
            compile(index, sources, csv, dic);
            dics.append(dic);
        }
        if (dics.isEmpty()) return;
        const QByteArray userDics = dics.join(u',').toLocal8Bit();
        const char* args[] = {"mecab", "-r", "/dev/null", "-d", ipadic, "-u", userDics.constData()};
        mecab_model_t* model = mecab_model_new(7, const_cast<char**>(args));
        if (!model)
            throw K41Error(K41Error::InternalError,
                           QStringLiteral("MeCab cannot open the compiled place lists"));
        mecab_t* tagger = mecab_model_new_tagger(model);
        mecab_lattice_t* lattice = mecab_model_new_lattice(model);
        mecab_lattice_set_request_type(lattice, MECAB_NBEST);
        const auto others = [&](const PlaceNames::Word& w) {
            return othersCost(tagger, lattice, w);
        };
        const int changed =
            PlaceNames::undercutParts(places, others) + PlaceNames::undercutParts(names, others);
        mecab_lattice_destroy(lattice);
        mecab_destroy(tagger);
        mecab_model_destroy(model);
        if (changed == 0) return;
    }
}

// KANJIDIC's readings of each kanji by kind, when it is installed.
QHash<QString, KanjiReadings::Kinds> kanjiKinds() {
    if (KanjiReadings::defaultPath().isEmpty()) return {};
    return KanjiReadings::parseKinds(FileReader::read(KanjiReadings::defaultPath(), MaxBytes));
}

// The names and readings of the lists `csvs` (MeCab's CSV).
QList<std::pair<QString, QString>> listedNames(char** csvs, int count) {
    QList<std::pair<QString, QString>> names;
    for (int i = 0; i < count; ++i)
        names += PlaceNames::listedNames(
            QString::fromUtf8(FileReader::read(QString::fromLocal8Bit(csvs[i]), MaxBytes)));
    return names;
}

// The tables counted over lists already written.
enum class Table { Joins, KanjiInNames, Parts, Towns };

// The table of its kind counted over the names `names`, matched with each kanji's readings
// `kanji` where the kind needs them.
QString countTable(Table kind, const QList<std::pair<QString, QString>>& names,
                   const QHash<QString, KanjiReadings::Kinds>& kanji) {
    switch (kind) {
    case Table::Joins:
        return JoinVoicing::format(JoinCounts::count(names, kanji));
    case Table::KanjiInNames:
        return KanjiInNames::format(KanjiCounts::count(names, kanji));
    case Table::Parts:
        return PartReadings::format(PartCounts::count(names, kanji));
    case Table::Towns:
        return TownReadings::format(TownReadings::count(names));
    }
    return {};
}

// Writes to `out` the table of its kind counted over the lists `csvs`.
int writeTable(Table kind, const char* out, char** csvs, int count) {
    try {
        const QString table = countTable(kind, listedNames(csvs, count), kanjiKinds());
        FileReplace::write(QString::fromLocal8Bit(out), table.toUtf8());
    } catch (const K41Error& e) {
        std::fprintf(stderr, "k41placedic: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, Table> tables[] = {{"--joins", Table::Joins},
                                                    {"--kanji-in-names", Table::KanjiInNames},
                                                    {"--parts", Table::Parts},
                                                    {"--towns", Table::Towns}};
    for (const auto& [option, kind] : tables)
        if (argc >= 3 && std::strcmp(argv[1], option) == 0)
            return writeTable(kind, argv[2], argv + 3, argc - 3);
    int first = 5;
    const char* names = nullptr;
    const char* words = nullptr;
    QString index, sources;
    for (; first + 1 < argc; first += 2) {
        if (std::strcmp(argv[first], "--names") == 0)
            names = argv[first + 1];
        else if (std::strcmp(argv[first], "--words") == 0)
            words = argv[first + 1];
        else if (std::strcmp(argv[first], "--index") == 0)
            index = QString::fromLocal8Bit(argv[first + 1]);
        else if (std::strcmp(argv[first], "--sources") == 0)
            sources = QString::fromLocal8Bit(argv[first + 1]);
        else
            break;
    }
    if (argc <= first || index.isEmpty() != sources.isEmpty()) {
        std::fprintf(stderr, "usage: k41placedic PLACES.csv NAMES.csv TOWNS.tsv IPADIC-UTF8-FOLDER "
                             "[--names ENAMDICT] [--words EDICT] [--index MECAB-DICT-INDEX "
                             "--sources IPADIC-SOURCE-FOLDER] SKK-DICTIONARY...\n");
        return 2;
    }
    const char* mecabArgs[] = {"mecab", "-r", "/dev/null", "-d", argv[4]};
    mecab_model_t* model = mecab_model_new(5, const_cast<char**>(mecabArgs));
    if (!model) {
        std::fprintf(stderr, "k41placedic: MeCab cannot open the dictionary in %s\n", argv[4]);
        return 1;
    }
    mecab_t* tagger = mecab_model_new_tagger(model);
    mecab_lattice_t* lattice = mecab_model_new_lattice(model);
    int status = 0;
    try {
        // Each kanji's readings by kind, when KANJIDIC is installed; without it no name counts
        // as read in one style.
        const QHash<QString, KanjiReadings::Kinds> kanji = kanjiKinds();
        QList<PlaceNames::Entry> skk;
        for (int i = first; i < argc; ++i)
            skk += PlaceNames::fromSkk(readEucJp(QString::fromLocal8Bit(argv[i])));
        // The names only the other dictionaries hold; a name SKK has keeps SKK's readings.
        QList<PlaceNames::Entry> others;
        // Readings of a place that are a surname's too, "name\treading".
        QSet<QString> surnames;
        if (names) {
            const QString text = readEucJp(QString::fromLocal8Bit(names));
            others = PlaceNames::newNames(skk, PlaceNames::fromEnamdict(text, {"p"}));
            for (const PlaceNames::Entry& e : PlaceNames::fromEnamdict(text, {"p", "s"}))
                surnames.insert(e.surface + u'\t' + e.reading);
        }
        if (words)
            others += PlaceNames::newNames(skk + others,
                                           PlaceNames::facilities(PlaceNames::fromEnamdict(
                                               readEucJp(QString::fromLocal8Bit(words)), {"n"})));
        // All names vote on each other's readings; each chosen entry then goes to the list of
        // the source its name came from.
        const QList<PlaceNames::Entry> voted = PlaceNames::choose(
            skk + others,
            [&](const QString& surface) { return commonestReading(tagger, lattice, surface); },
            [&](const QString& name, const QString& reading) {
                return PlaceNames::readsInOneStyle(name, reading, kanji);
            },
            [&](const QString& name, const QString& reading) {
                return surnames.contains(name + u'\t' + reading);
            });
        const QList<PlaceNames::Entry> chosen = PlaceNames::withoutCommonWords(
            voted, [&](const QString& surface) { return commonWord(tagger, lattice, surface); });
        QList<PlaceNames::Entry> chosenOthers = PlaceNames::newNames(skk, chosen);
        QList<PlaceNames::Entry> chosenSkk = PlaceNames::newNames(chosenOthers, chosen);
        // A sign may spell a listed name's particle otherwise (鷺ノ沢 for 鷺の沢).
        chosenSkk += PlaceNames::particleTwins(chosenSkk, chosenOthers);
        chosenOthers += PlaceNames::particleTwins(chosenOthers, chosenSkk);
        const auto analyser = [&](const QString& surface, PlaceNames::Analysis& a) {
            return analyse(tagger, lattice, surface, a);
        };
        // Without the dictionary's sources, every name keeps the ids of its own analysis.
        const std::optional<PlaceNames::ContextIds> placeNoun =
            sources.isEmpty() ? std::nullopt : placeNounIds(sources);
        QList<PlaceNames::Word> places =
            PlaceNames::dictionaryWords(chosenSkk, analyser, placeNoun);
        QList<PlaceNames::Word> otherWords =
            PlaceNames::dictionaryWords(chosenOthers, analyser, placeNoun);
        if (!index.isEmpty()) undercutInRounds(index, sources, argv[4], places, otherWords);
        FileReplace::write(QString::fromLocal8Bit(argv[1]),
                           PlaceNames::userDictionaryCsv(places).toUtf8());
        FileReplace::write(QString::fromLocal8Bit(argv[2]),
                           PlaceNames::userDictionaryCsv(otherWords).toUtf8());
        // The names as the lists hold them, so that lists made again without some names make
        // the tables again from what they hold.
        QList<QPair<QString, QString>> listed;
        for (const auto* list : {&places, &otherWords})
            for (const PlaceNames::Word& w : *list)
                listed.append({w.entry.surface, w.entry.reading});
        const QString towns = QString::fromLocal8Bit(argv[3]);
        FileReplace::write(towns, countTable(Table::Towns, listed, kanji).toUtf8());
        const QDir beside = QFileInfo(towns).dir();
        FileReplace::write(beside.filePath(QStringLiteral("kanji-in-names.tsv")),
                           countTable(Table::KanjiInNames, listed, kanji).toUtf8());
        FileReplace::write(beside.filePath(QStringLiteral("part-readings.tsv")),
                           countTable(Table::Parts, listed, kanji).toUtf8());
    } catch (const K41Error& e) {
        std::fprintf(stderr, "k41placedic: %s\n", qPrintable(e.description()));
        status = 1;
    }
    mecab_lattice_destroy(lattice);
    mecab_destroy(tagger);
    mecab_model_destroy(model);
    return status;
}
