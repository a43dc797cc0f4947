#include "sound/KanjiInNames.h"

#include "sound/KanaText.h"
#include "sound/NumeralWords.h"

#include <algorithm>

namespace KanjiInNames {

namespace {

// Fewer names than this at a position say nothing of how the kanji reads there.
constexpr int MinNames = 3;
// The names' reading replaces the dictionary's only where this many times more names give it.
constexpr int Ratio = 5;

// The reading with its first kana unvoiced, so that a voiced form counts with the plain one.
QString unvoiced(const QString& reading) {
    static const QStringView plain = u"カキクケコサシスセソタチツテトハヒフヘホハヒフヘホ";
    static const QStringView voiced = u"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ";
    if (reading.isEmpty()) return reading;
    const qsizetype k = voiced.indexOf(reading.front());
    return k < 0 ? reading : plain[k] + reading.mid(1);
}

} // namespace

Share share(const Table& table, const QString& kanji, Position position, const QString& reading) {
    Share out;
    const auto found = table.constFind(kanji);
    if (found == table.constEnd()) return out;
    const QString plain = unvoiced(KanaText::spelledOut(reading));
    for (const Count& c : (*found)[size_t(position)]) {
        out.all += c.names;
        if (unvoiced(c.reading) == plain) out.asReading += c.names;
    }
    return out;
}

QString namesReading(const Table& table, const QString& kanji, Position position,
                     const QString& mine) {
    const Share s = share(table, kanji, position, mine);
    if (s.all < MinNames) return {};
    const QList<Count>& counts = (*table.constFind(kanji))[size_t(position)];
    if (s.asReading * Ratio >= counts.front().names) return {};
    return counts.front().reading;
}

void apply(ReadWords& words, QStringView text, const Table& table) {
    if (table.isEmpty()) return;
    const std::vector<qsizetype> ends = wordEnds(words, text);
    const auto single = [&](size_t k) {
        const ReadWord& w = words[k];
        return k < ends.size() && w.surface.size() == 1 && KanaText::isKanji(w.surface[0]) &&
               !w.listed && !w.fixed && !NumeralWords::isNumber(w);
    };
    for (size_t k = 0; k < words.size();) {
        size_t end = k;
        while (end < words.size() && single(end))
            ++end;
        // A run opens on a word of its own: not on a suffix, nor on a counter after a number.
        size_t from = k;
        while (from < end && (words[from].pos1 == u"接尾" ||
                              (from > 0 && NumeralWords::isNumber(words[from - 1]))))
            ++from;
        // What closes a stop's name, its front or a side (鷺店前, 鷺宅東), is no part of a name:
        // read on its own, the word before it stays the dictionary's.
        if (end == words.size() && end > from &&
            QStringView(u"前東西南北口").contains(words[end - 1].surface))
            --end;
        // A lone kanji that opens the name before a longer word of kanji, which is no listed
        // name nor a verbal noun of the kind that makes Chinese-style compounds (鷺修行): a
        // name's first kanji that the dictionary took for a word of its own (鷺|沢川 read ロ
        // where names say サギ).
        const auto longer = [&](size_t j) {
            return j < words.size() && words[j].surface.size() >= 2 &&
                   KanaText::allKanji(words[j].surface) && !words[j].listed &&
                   !NumeralWords::isNumber(words[j]) && words[j].pos1 != u"サ変接続";
        };
        const bool opening = end - from == 1 && ends[from] == 1 && longer(from + 1);
        if (end - from >= 2 || opening)
            for (size_t i = from; i < end; ++i) {
                const qsizetype at = ends[i] - 1;
                const Position position = positionAt(at, text.size());
                const ReadWord& w = words[i];
                // A verb's or an adjective's stem is read by the rules for them.
                if (w.pos == u"動詞" || w.pos == u"形容詞") continue;
                const QString reading =
                    namesReading(table, words[i].surface, position, words[i].pronunciation);
                if (!reading.isEmpty()) words[i].pronunciation = reading;
            }
        k = std::max(end, k + 1);
    }
}

QString readUnknown(QStringView word, qsizetype at, qsizetype length, const Table& table,
                    const std::function<QString(const QString&)>& own) {
    QString out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const qsizetype n = word[i].isHighSurrogate() && i + 1 < word.size() ? 2 : 1;
        const QString character = word.mid(i, n).toString();
        const QString mine = own(character);
        const qsizetype place = at + i;
        const Position position = place == 0 ? First : place + n == length ? Last : Inside;
        const QString names = KanaText::hasKanji(character)
                                  ? namesReading(table, character, position, mine)
                                  : QString();
        out += names.isEmpty() ? mine : names;
        i += n - 1;
    }
    return out;
}

} // namespace KanjiInNames
