#include "tools/k41placedic/PartCounts.h"

#include "sound/KanaText.h"

#include <QMap>

#include <algorithm>

namespace PartCounts {

namespace {

// The readings each character of `name` may take: a kanji's by KANJIDIC, 々 its kanji's
// before, kana itself (の also as ノ, ヶ as the particle or the counter); empty when one of them
// has none.
QList<QStringList> characterReadings(const QString& name,
                                     const QHash<QString, KanjiReadings::Kinds>& kanji) {
    QList<QStringList> parts;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype n = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString c = name.mid(i, n);
        i += n - 1;
        QStringList readings;
        if (c == u"々") {
            if (!parts.isEmpty()) readings = parts.back();
        } else if (KanaText::allKanji(c)) {
            const auto found = kanji.constFind(c);
            if (found != kanji.constEnd()) readings = found->on + found->kun;
        } else if (c == u"ヶ" || c == u"ケ") {
            readings = {QStringLiteral("ガ"), QStringLiteral("ケ")};
        } else if (c == u"の" || c == u"ノ" || c == u"之") {
            readings = {QStringLiteral("ノ")};
        } else if (KanaText::isHiragana(c[0]) || KanaText::isKatakana(c[0])) {
            readings = {KanaText::speakable(c)};
        }
        readings.removeAll(QString());
        if (readings.isEmpty()) return {};
        parts.append(readings);
    }
    return parts;
}

// The part of `reading`, a longer name's, that `part` (a listed name read `own` alone, or one no
// list holds, `own` empty) takes where the longer name opens (`closing` false) or closes with
// it, the rest of the longer name being listed as read `restReading` or not listed (null), as
// PartCounts::count says; empty when there is none.
QString partReading(const QString& part, const QString& own, const QString* restReading,
                    const QString& reading, bool closing,
                    const QHash<QString, KanjiReadings::Kinds>& kanji) {
    if (restReading && reading.size() > restReading->size() &&
        (closing ? reading.startsWith(*restReading) : reading.endsWith(*restReading)))
        return closing ? reading.mid(restReading->size()) : reading.chopped(restReading->size());
    if (!own.isEmpty() && reading.size() > own.size() &&
        (closing ? reading.endsWith(own) : reading.startsWith(own)))
        return own;
    QList<QStringList> parts = characterReadings(part, kanji);
    if (parts.isEmpty()) return {};
    // A closing part is the second part of the compound the longer name makes: its first kanji
    // read natively may be voiced (鷺|柴川 サギシバカワ, 鷺|島田 サギジマダ); read in Chinese style
    // it keeps its sound, as Chinese words mostly do.
    if (closing && KanaText::allKanji(part.left(1)))
        for (const QString& r : kanji.value(part.left(1)).kun)
            if (const QChar v = r.isEmpty() ? QChar() : KanaText::voiced(r.front()); !v.isNull())
                parts.front().append(v + r.mid(1));
    QString found;
    for (qsizetype n = 1; n < reading.size(); ++n) {
        const QString candidate = closing ? reading.right(n) : reading.left(n);
        if (!KanaText::composes(candidate, parts)) continue;
        if (!found.isEmpty()) return {};
        found = candidate;
    }
    return found;
}

} // namespace

PartReadings::Table count(const QList<std::pair<QString, QString>>& names,
                          const QHash<QString, KanjiReadings::Kinds>& kanji) {
    // A name listed twice keeps its first reading, as the reader finds it.
    QHash<QString, QString> listed;
    for (const auto& [name, reading] : names)
        if (!listed.contains(name)) listed.insert(name, reading);
    // By the part, how often longer names read it each way; in order, so that a tie goes the
    // same way build by build.
    QHash<QString, QMap<QString, int>> votes[2];
    for (const auto& [name, reading] : names)
        for (qsizetype n = 2; n < name.size(); ++n)
            for (const bool closing : {false, true}) {
                const QString part = closing ? name.right(n) : name.left(n);
                const QString rest = closing ? name.chopped(n) : name.mid(n);
                const auto restOwn = listed.constFind(rest);
                const QString p = partReading(part, listed.value(part),
                                              restOwn == listed.constEnd() ? nullptr : &*restOwn,
                                              reading, closing, kanji);
                if (!p.isEmpty()) ++votes[closing][part][p];
            }
    PartReadings::Table out;
    for (const bool closing : {false, true})
        for (auto it = votes[closing].cbegin(); it != votes[closing].cend(); ++it) {
            const QString own = listed.value(it.key());
            QString best;
            int most = 0, next = 0;
            for (auto r = it->cbegin(); r != it->cend(); ++r)
                if (r.value() > most) {
                    best = r.key();
                    next = most;
                    most = r.value();
                } else {
                    next = std::max(next, r.value());
                }
            // A reading other than the listed name's own is weighed against its own; the own
            // one, or that of a name no list holds, against the next commonest. The own one is
            // kept for the words the dictionary has of the same characters (an IPA surname
            // ニシダ of a listed 西田 ニシタ).
            const int against = own.isEmpty() || best == own ? next : it->value(own);
            if (most < MinNames || most < Ratio * against) continue;
            (closing ? out.closing : out.opening).insert(it.key(), best);
        }
    return out;
}

} // namespace PartCounts
