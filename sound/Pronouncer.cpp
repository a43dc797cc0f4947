#include "sound/Pronouncer.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Abbreviations.h"
#include "sound/AnnouncementText.h"
#include "sound/ClosingCuts.h"
#include "sound/CutCompounds.h"
#include "sound/EnglishWords.h"
#include "sound/FirmNames.h"
#include "sound/FrontOfLandmark.h"
#include "sound/InstitutionNames.h"
#include "sound/IterationMarks.h"
#include "sound/JoinVoicing.h"
#include "sound/KanaOverrides.h"
#include "sound/KanaText.h"
#include "sound/KanjiInNames.h"
#include "sound/KanjiNo.h"
#include "sound/KanjiNotWords.h"
#include "sound/KanjiReadings.h"
#include "sound/KanjiVariants.h"
#include "sound/LoneKanjiNouns.h"
#include "sound/LoneKanjiWords.h"
#include "sound/MecabNouns.h"
#include "sound/NumeralWords.h"
#include "sound/OpeningWord.h"
#include "sound/PartReadings.h"
#include "sound/PlaceNames.h"
#include "sound/TempleNames.h"
#include "sound/WordRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <mecab.h>

#ifndef K41_DATA_FROM_BIN
#error                                                                                             \
    "K41_DATA_FROM_BIN (the installed data folder relative to the executable) is set by the build"
#endif
#ifndef K41_PLACES_BUILD_DIR
#error                                                                                             \
    "K41_PLACES_BUILD_DIR (the build tree's folder of place-name dictionaries) is set by the build"
#endif

namespace {

// Marks the words that the override table reads, the longest entry that covers whole words
// from each word on.
void applyOverrides(ReadWords& words) {
    for (size_t i = 0; i < words.size();) {
        const KanaOverride* best = nullptr;
        size_t bestWords = 0;
        for (const KanaOverride& entry : KanaOverrides::table()) {
            if (!entry.partOfSpeech.isEmpty() && words[i].pos != entry.partOfSpeech) continue;
            QString joined;
            size_t k = i;
            while (k < words.size() && joined.size() < entry.surface.size())
                joined += words[k++].surface;
            if (joined == entry.surface && (!best || entry.surface.size() > best->surface.size())) {
                best = &entry;
                bestWords = k - i;
            }
        }
        if (!best) {
            ++i;
            continue;
        }
        // The first word carries the whole reading, the others none.
        for (size_t k = i; k < i + bestWords; ++k) {
            words[k].fixed = true;
            words[k].pronunciation.clear();
        }
        words[i].pronunciation = best->reading;
        i += bestWords;
    }
}

} // namespace

QStringList Pronouncer::defaultDictionaryDirs() {
    return {QStringLiteral("/var/lib/mecab/dic/ipadic-utf8"),
            QStringLiteral("/usr/share/mecab/dic/ipadic-utf8")};
}

bool Pronouncer::dictionaryIn(const QStringList& dictionaryDirs) {
    for (const QString& dir : dictionaryDirs)
        if (QFileInfo(dir + QStringLiteral("/sys.dic")).isFile()) return true;
    return false;
}

QStringList Pronouncer::defaultPlaceDictionaries() {
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(K41_DATA_FROM_BIN)));
    // One folder's files, never a mix of an installed one and one of a build tree.
    for (const QString& dir : {installed, QStringLiteral(K41_PLACES_BUILD_DIR)}) {
        QStringList found;
        for (const char* name : {"places.dic", "names.dic"}) {
            const QString path = QDir(dir).filePath(QLatin1String(name));
            if (QFileInfo(path).isFile()) found.append(path);
        }
        if (!found.isEmpty()) return found;
    }
    return {};
}

QString Pronouncer::defaultKanjiTable() {
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(K41_DATA_FROM_BIN)));
    for (const QString& dir : {installed, QStringLiteral(K41_PLACES_BUILD_DIR)}) {
        const QString path = QDir(dir).filePath(QStringLiteral("kanji.tsv"));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void Pronouncer::setKanjiTable(UnihanReadings::Table table) {
    m_kanji = std::move(table);
}

namespace {

// MeCab's model on the dictionary folder `dir` with the user dictionaries `users`; nullptr
// when MeCab refuses them.
mecab_model_t* newModel(const QString& dir, const QStringList& users) {
    const QByteArray dirBytes = QFileInfo(dir).absoluteFilePath().toLocal8Bit();
    QByteArrayList userPaths;
    for (const QString& user : users)
        userPaths.append(QFileInfo(user).absoluteFilePath().toLocal8Bit());
    const QByteArray userBytes = userPaths.join(',');
    // No resource file: the dictionary folder is all MeCab needs to know.
    const char* argv[] = {
        "mecab", "-r", "/dev/null", "-d", dirBytes.constData(), "-u", userBytes.constData()};
    return mecab_model_new(users.isEmpty() ? 5 : 7, const_cast<char**>(argv));
}

// The user dictionaries of `users` that MeCab takes on `dir`, and the model on them (with
// none when it takes none; nullptr when it refuses even that). MeCab refuses all of them for
// one it cannot open, so when it does each is tried alone.
mecab_model_t* modelTaking(const QString& dir, QStringList& users) {
    // MeCab takes a comma as the separator of user dictionaries, so a path with one cannot
    // be given to it.
    users.removeIf([](const QString& user) {
        return user.isEmpty() || QFileInfo(user).absoluteFilePath().contains(u',') ||
               !QFileInfo(user).isFile();
    });
    if (mecab_model_t* all = newModel(dir, users)) return all;
    QStringList taken;
    for (const QString& user : users)
        if (mecab_model_t* alone = newModel(dir, {user})) {
            mecab_model_destroy(alone);
            taken.append(user);
        }
    users = taken;
    return newModel(dir, users);
}

// A table the build writes beside the place dictionary, as `parse` reads it; empty when there
// is none or it cannot be read. `maxBytes` bounds it: a far larger file is not the table.
template <typename Parse>
auto loadBeside(const QString& placeDictionary, const char* name, qint64 maxBytes, Parse parse)
    -> decltype(parse(QString())) {
    const QString path = QFileInfo(placeDictionary).dir().filePath(QString::fromLatin1(name));
    if (!QFileInfo(path).isFile()) return {};
    try {
        return parse(QString::fromUtf8(FileReader::read(path, maxBytes)));
    } catch (const K41Error&) {
        return {};
    }
}

} // namespace

std::unique_ptr<Pronouncer> Pronouncer::open(const QStringList& dictionaryDirs,
                                             const QStringList& placeDictionaries) {
    for (const QString& dir : dictionaryDirs) {
        if (!QFileInfo(dir + QStringLiteral("/sys.dic")).isFile()) continue;
        std::unique_ptr<Pronouncer> p(new Pronouncer);
        p->m_english = std::make_unique<EnglishWords>();
        // A user dictionary that MeCab refuses (cut, or made for another dictionary) is
        // left out rather than costing the speech or the other user dictionaries.
        QStringList taken = placeDictionaries;
        p->m_model = modelTaking(dir, taken);
        if (!p->m_model) continue;
        if (!taken.isEmpty()) {
            // How 町 reads after a name's ending: some thousands of endings.
            p->m_towns = loadBeside(taken.front(), "towns.tsv", 1 << 20,
                                    [](const QString& t) { return TownReadings::parse(t); });
            // How names voice a closing word at a join: some ten thousand rows.
            p->m_joins = std::make_unique<JoinVoicing::Table>(
                loadBeside(taken.front(), "joins.tsv", 16 << 20,
                           [](const QString& t) { return JoinVoicing::parse(t); }));
            // How names read each kanji by its place: some thousands of kanji.
            p->m_kanjiInNames = loadBeside(taken.front(), "kanji-in-names.tsv", 8 << 20,
                                           [](const QString& t) { return KanjiInNames::parse(t); });
            // How longer names read a listed name they open or close with: some hundreds.
            p->m_parts = loadBeside(taken.front(), "part-readings.tsv", 4 << 20,
                                    [](const QString& t) { return PartReadings::parse(t); });
            // The tables of nouns' readings the build writes beside the place dictionaries.
            const QDir beside = QFileInfo(taken.front()).dir();
            p->m_english->setNounTables({beside.filePath(QStringLiteral("nouns.tsv")),
                                         beside.filePath(QStringLiteral("nouns-names.tsv"))});
            p->m_english->setLoanwordTable(beside.filePath(QStringLiteral("loanwords.tsv")));
        }
        p->m_kanji = UnihanReadings::load(defaultKanjiTable());
        const mecab_dictionary_info_t* info = mecab_model_dictionary_info(p->m_model);
        const QString charset = info && info->charset
                                    ? QString::fromLatin1(info->charset).remove(u'-').toLower()
                                    : QString();
        if (charset != QLatin1String("utf8")) continue;
        p->m_tagger = mecab_model_new_tagger(p->m_model);
        p->m_lattice = mecab_model_new_lattice(p->m_model);
        if (!p->m_tagger || !p->m_lattice) continue;
        p->m_english->setJapaneseWords(std::make_unique<MecabNouns>(p->m_tagger, p->m_lattice));
        // Another dictionary (JUMAN, say) lays its features out differently; only one that
        // gives the particle は its spoken ワ will do.
        const ReadWords probe = p->analyse(QStringLiteral("次は"));
        if (probe.size() == 2 && probe[1].pronunciation == QStringLiteral("ワ")) return p;
    }
    return nullptr;
}

Pronouncer::~Pronouncer() {
    if (m_lattice) mecab_lattice_destroy(m_lattice);
    if (m_tagger) mecab_destroy(m_tagger);
    if (m_model) mecab_model_destroy(m_model);
}

ReadWords Pronouncer::analyse(const QString& text, const QList<qsizetype>& boundaries) {
    ReadWords words;
    const QByteArray utf8 = text.toUtf8();
    mecab_lattice_set_sentence2(m_lattice, utf8.constData(), size_t(utf8.size()));
    for (qsizetype at : boundaries) {
        const qsizetype byte = text.left(at).toUtf8().size();
        if (byte > 0 && byte < utf8.size())
            mecab_lattice_set_boundary_constraint(m_lattice, size_t(byte), MECAB_TOKEN_BOUNDARY);
    }
    if (!mecab_parse_lattice(m_tagger, m_lattice)) return words;
    for (const mecab_node_t* node = mecab_lattice_get_bos_node(m_lattice); node;
         node = node->next) {
        if (node->stat == MECAB_BOS_NODE) continue;
        if (node->stat == MECAB_EOS_NODE) break;
        const mecab_node_t* read = node;
        const bool givenName = QByteArray(node->feature).startsWith("名詞,固有名詞,人名,名,");
        // What the dictionary takes for a given name (開 ヒラク, 重 シゲル, 武道 タケミチ) is part
        // of a place's or a firm's name here: it is read as the dictionary's cheapest other word
        // of those characters, where it has one.
        if (givenName) {
            const size_t at = size_t(node->surface - mecab_lattice_get_sentence(m_lattice));
            const mecab_node_t* other = nullptr;
            for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(m_lattice, at); n;
                 n = n->bnext)
                if (n->stat == MECAB_NOR_NODE && n->length == node->length &&
                    !QByteArray(n->feature).startsWith("名詞,固有名詞,人名,") &&
                    (!other || n->wcost < other->wcost))
                    other = n;
            if (other) read = other;
        }
        ReadWord word;
        word.surface = QString::fromUtf8(read->surface, read->length);
        word.known = read->stat != MECAB_UNK_NODE;
        word.givenName = givenName;
        // Features: part of speech, three subdivisions, conjugation type and form, base form,
        // reading, pronunciation. Unknown words stop after the first seven; the place
        // dictionaries' words carry a mark after the nine.
        const QStringList features = QString::fromUtf8(read->feature).split(u',');
        word.listed = features.value(9) == QStringView(PlaceNames::ListedMark);
        word.pos = features.value(0);
        word.pos1 = features.value(1);
        word.pos2 = features.value(2);
        if (features.value(5) != QLatin1String("*")) word.form = features.value(5);
        if (features.value(4) != QLatin1String("*")) word.conjugation = features.value(4);
        QString pronunciation = features.value(8);
        // The pronunciation field writes ヅ and ヂ as the ズ and ジ they sound like; the written
        // reading keeps them (橋詰 ハシヅメ), as names are spelt in kana.
        const QString reading = features.value(7);
        if (reading.size() == pronunciation.size())
            for (qsizetype i = 0; i < reading.size(); ++i)
                if ((reading[i] == u'ヅ' && pronunciation[i] == u'ズ') ||
                    (reading[i] == u'ヂ' && pronunciation[i] == u'ジ'))
                    pronunciation[i] = reading[i];
        if (pronunciation != QLatin1String("*"))
            word.pronunciation = KanaText::asWritten(word.surface, pronunciation);
        words.push_back(std::move(word));
    }
    return words;
}

// A word the dictionary does not know, read one character at a time: each kanji by the
// dictionary's reading of it alone (or, lacking one, KANJIDIC's, else the Unihan table's), the
// rest as spoken characters.
QString Pronouncer::readCharacters(const QString& surface) {
    QString out;
    for (qsizetype i = 0; i < surface.size(); ++i) {
        const qsizetype n = surface[i].isHighSurrogate() && i + 1 < surface.size() ? 2 : 1;
        out += readCharacter(surface.mid(i, n));
        i += n - 1;
    }
    return out;
}

QString Pronouncer::readCharacter(const QString& character) {
    if (!KanaText::hasKanji(character)) return KanaText::speakable(character);
    QString read;
    const ReadWords alone = analyse(character);
    // A bare verb stem or a reading only people's names use is no part of a name.
    if (alone.size() == 1 && KanjiNotWords::isNoWordOfAName(alone.front()))
        read = chineseReadings(character).value(0);
    else
        for (const ReadWord& w : alone)
            read += KanaText::speakable(w.pronunciation);
    if (read.isEmpty()) read = KanjiReadings::reading(character);
    return read.isEmpty() ? UnihanReadings::reading(m_kanji, character) : read;
}

QString Pronouncer::readPiece(const QString& text) {
    // Kanji in variant forms are read as their standard ones, road signs' abbreviations after
    // a name are said in full (鷺沢IC インターチェンジ), and kana iteration marks written out.
    QString piece = IterationMarks::expandKana(
        Abbreviations::expand(KanjiVariants::standardForms(text, m_kanji.variants)));
    // The dictionary and the place lists know a name's ヶ in its small form.
    piece = KanaText::wavesAsLongVowels(PlaceNames::withSmallKe(piece));
    // A name coined for a school or a hall is read in Chinese style; the words around it are
    // analysed as they stand beside it.
    const std::optional<InstitutionNames::Span> coined = InstitutionNames::find(piece, *this);
    QList<qsizetype> boundaries;
    if (coined) boundaries = {coined->at, coined->at + coined->length};
    const std::optional<qsizetype> school = ClosingCuts::schoolShortName(piece);
    if (school) boundaries.append({*school, *school + 1});
    ReadWords words = analyse(piece, boundaries);
    // A word the dictionary does not know in a kanji's old form is read in today's (溪谷 as
    // 渓谷); the words it knows keep theirs, as the place lists write them.
    if (KanjiVariants::todaysFormsInUnknownWords(piece, words)) words = analyse(piece, boundaries);
    // Each rule below looks at the words as the cuts before it left them.
    const auto cutAt = [&](const QList<qsizetype>& cuts) {
        if (cuts.isEmpty()) return;
        boundaries.append(cuts);
        words = analyse(piece, boundaries);
    };
    const auto listOf = [](std::optional<qsizetype> at) {
        return at ? QList<qsizetype>{*at} : QList<qsizetype>{};
    };
    cutAt(KanjiNo::boundaries(words, piece));
    cutAt(listOf(ClosingCuts::closingPart(words, piece)));
    cutAt(listOf(ClosingCuts::closingDirection(words, piece, *this)));
    cutAt(listOf(NumeralWords::unitBoundary(words, piece)));
    cutAt(listOf(CutCompounds::boundary(words, piece, *this)));
    CutCompounds::readPrefixes(words, *this);
    // A name fallen apart into single kanji is read as names read them, before the rules.
    KanjiInNames::apply(words, piece, m_kanjiInNames);
    // So is a kanji standing alone as a noun, where the dictionary has another noun of it.
    LoneKanjiNouns::apply(words, piece, m_kanjiInNames, *this);
    // Where each word starts in the piece, counting the spaces the dictionary skipped.
    const std::vector<qsizetype> ends = wordEnds(words, piece);
    bool first = true;
    for (size_t k = 0; k < ends.size(); ++k) {
        ReadWord& w = words[k];
        const qsizetype at = ends[k] - w.surface.size();
        if (coined && at >= coined->at && ends[k] <= coined->at + coined->length) {
            w.fixed = true;
            w.pronunciation = first ? coined->reading : QString();
            first = false;
        }
        if (school && at == *school && w.surface.size() == 1 && !w.fixed)
            w.pronunciation = QStringLiteral("ショウ");
    }
    // A listed name opening or closing a longer one reads as longer names read it there.
    PartReadings::apply(words, m_parts);
    applyOverrides(words);
    // A word the dictionary does not know is read a character at a time, its kanji as names
    // read them at that place in the name where they say so plainly.
    const auto own = [this](const QString& character) { return readCharacter(character); };
    for (size_t k = 0; k < words.size(); ++k) {
        ReadWord& w = words[k];
        if (w.fixed || !w.pronunciation.isEmpty()) continue;
        w.pronunciation = KanaText::hasKanji(w.surface)
                              ? KanjiInNames::readUnknown(w.surface, ends[k] - w.surface.size(),
                                                          piece.size(), m_kanjiInNames, own)
                              : KanaText::speakable(w.surface, m_english.get());
    }
    IterationMarks::repeatKanji(words, *this);
    NumeralWords::apply(words, *this);
    FrontOfLandmark::apply(words, *this);
    WordRules::apply(words, *this, m_towns);
    KanjiNotWords::apply(words, *this);
    OpeningWord::apply(words, *this);
    TempleNames::apply(words, *this);
    FirmNames::apply(words, *this);
    LoneKanjiWords::apply(words, *this);
    if (m_joins) JoinVoicing::apply(words, *m_joins);
    QString out;
    for (const ReadWord& w : words)
        out += KanaText::speakable(w.pronunciation);
    return out;
}

QString Pronouncer::toKana(const QString& text, const ReadingTable* readings) {
    QString out;
    for (const AnnouncementText::Piece& piece : AnnouncementText::pieces(text, readings))
        out += piece.reading.isEmpty() ? readPiece(piece.text) : piece.reading;
    return out;
}
