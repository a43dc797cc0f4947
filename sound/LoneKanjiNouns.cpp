#include "sound/LoneKanjiNouns.h"

#include "sound/KanaText.h"

#include <algorithm>

namespace LoneKanjiNouns {

namespace {

// Fewer names than this with the kanji at that place say nothing of how it reads there.
constexpr qint64 MinNames = 3;
// The other noun wins only where names read the kanji its way this many times as often.
constexpr qint64 Ratio = 3;

// Whether names favour the reading of `other` over that of `mine` clearly: counted in halves,
// so that a reading no name gives still weighs half a name and one name alone proves nothing.
bool favoured(const KanjiInNames::Share& other, const KanjiInNames::Share& mine) {
    return other.all >= MinNames && 2 * other.asReading + 1 >= Ratio * (2 * mine.asReading + 1);
}

// The most names any one reading of `kanji` has at `position`, voiced and plain together.
qint64 commonest(const KanjiInNames::Table& table, const QString& kanji,
                 KanjiInNames::Position position) {
    qint64 most = 0;
    const auto found = table.constFind(kanji);
    if (found == table.constEnd()) return most;
    for (const KanjiInNames::Count& c : (*found)[size_t(position)])
        most = std::max(most, KanjiInNames::share(table, kanji, position, c.reading).asReading);
    return most;
}

// How many names spell `kanji` at `position` exactly as `reading`.
qint64 spelledSo(const KanjiInNames::Table& table, const QString& kanji,
                 KanjiInNames::Position position, const QString& reading) {
    const auto found = table.constFind(kanji);
    if (found == table.constEnd()) return 0;
    for (const KanjiInNames::Count& c : (*found)[size_t(position)])
        if (c.reading == reading) return c.names;
    return 0;
}

// Whether words[i] stands in a phrase rather than a name: beside a hiragana の (a made-up 鷺の海,
// 鷺の郷, whose nouns keep their everyday readings), or beside another particle, an auxiliary or
// a punctuation mark, as in the bus's own sentences (次は…です). A name's ノ and ヶ are its own.
bool inPhrase(const ReadWords& words, size_t i) {
    const auto phrasal = [](const ReadWord& w) {
        if (w.surface == u"の") return true;
        if (w.pos == u"助詞") return !QStringView(u"ノヶケが").contains(w.surface);
        return w.pos == u"助動詞" || w.pos == u"記号";
    };
    return (i > 0 && phrasal(words[i - 1])) || (i + 1 < words.size() && phrasal(words[i + 1]));
}

} // namespace

void apply(ReadWords& words, QStringView text, const KanjiInNames::Table& table,
           WordKnowledge& knows) {
    if (table.isEmpty()) return;
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t i = 0; i < ends.size(); ++i) {
        ReadWord& w = words[i];
        // 町 is read by the town table (TownReadings) and the rules for it.
        if (w.surface.size() != 1 || !KanaText::isKanji(w.surface[0]) || w.surface == u"町" ||
            w.fixed || w.listed || !w.known || w.pos != u"名詞" || w.pos1 != u"一般" ||
            w.pronunciation.isEmpty() || inPhrase(words, i))
            continue;
        const KanjiInNames::Position position = KanjiInNames::positionAt(ends[i] - 1, text.size());
        const KanjiInNames::Share mine =
            KanjiInNames::share(table, w.surface, position, w.pronunciation);
        // Of readings alike but for voicing (羽 ハ and the counter バ), the one names spell so.
        QString best;
        KanjiInNames::Share bestShare;
        qint64 bestSpelled = 0;
        for (const QString& other : knows.dictionaryReadings(w.surface)) {
            const KanjiInNames::Share s = KanjiInNames::share(table, w.surface, position, other);
            const qint64 spelled = spelledSo(table, w.surface, position, other);
            if (s.asReading > bestShare.asReading ||
                (s.asReading == bestShare.asReading && spelled > bestSpelled)) {
                best = other;
                bestShare = s;
                bestSpelled = spelled;
            }
        }
        // Only the reading most names give the kanji there: a third reading that merely beats
        // the dictionary's would be a guess.
        if (!best.isEmpty() && favoured(bestShare, mine) &&
            bestShare.asReading == commonest(table, w.surface, position))
            w.pronunciation = best;
    }
}

} // namespace LoneKanjiNouns
