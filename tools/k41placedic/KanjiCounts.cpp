#include "tools/k41placedic/KanjiCounts.h"

#include "sound/KanaText.h"

#include <QMap>

namespace KanjiCounts {

namespace {

// More ways than this to align one name say nothing of how it reads.
constexpr int MaxWays = 2;

struct Aligner {
    const QHash<QString, KanjiReadings::Kinds>& kanji;
    QList<QString> parts; // the name's characters, a surrogate pair as one
    QString reading;
    QStringList pieces;
    QList<QStringList> ways;

    // The readings a part may take: a kanji's by KANJIDIC, 々 its kanji's before, kana itself
    // (の also as ノ, ヶ as the particle or the counter).
    QStringList readingsOf(qsizetype i) const {
        const QString& c = parts[i];
        if (c == u"々") return i > 0 ? QStringList{pieces.value(i - 1)} : QStringList{};
        if (KanaText::allKanji(c)) {
            const auto found = kanji.constFind(c);
            return found == kanji.constEnd() ? QStringList{} : found->on + found->kun;
        }
        if (c == u"ヶ" || c == u"ケ") return {QStringLiteral("ガ"), QStringLiteral("ケ")};
        if (c == u"の" || c == u"ノ" || c == u"之") return {QStringLiteral("ノ")};
        if (c.size() == 1 && (KanaText::isHiragana(c[0]) || KanaText::isKatakana(c[0])))
            return {KanaText::speakable(c)};
        return {};
    }

    void walk(qsizetype i, qsizetype at) {
        if (ways.size() >= MaxWays) return;
        if (i == parts.size()) {
            if (at == reading.size()) ways.append(pieces);
            return;
        }
        QStringList forms;
        for (const QString& r : readingsOf(i)) {
            if (r.isEmpty()) continue;
            const QStringList second = i > 0 ? KanaText::secondPartForms(r) : QStringList{r};
            for (const QString& s : second) {
                forms.append(s);
                if (i + 1 < parts.size()) forms += KanaText::firstPartForms(s).mid(1);
            }
        }
        forms.removeDuplicates();
        for (const QString& f : forms)
            if (QStringView(reading).mid(at).startsWith(f)) {
                pieces.append(f);
                walk(i + 1, at + f.size());
                pieces.removeLast();
            }
    }
};

} // namespace

QList<QPair<QString, QString>> align(const QString& name, const QString& reading,
                                     const QHash<QString, KanjiReadings::Kinds>& kanji) {
    Aligner a{kanji, {}, KanaText::spelledOut(reading), {}, {}};
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype n = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        a.parts.append(name.mid(i, n));
        i += n - 1;
    }
    a.walk(0, 0);
    QList<QPair<QString, QString>> out;
    if (a.ways.size() != 1) return out;
    for (qsizetype i = 0; i < a.parts.size(); ++i)
        out.append({a.parts[i], a.ways.front()[i]});
    return out;
}

KanjiInNames::Table count(const QList<QPair<QString, QString>>& names,
                          const QHash<QString, KanjiReadings::Kinds>& kanji) {
    // Readings in order, so that readings as common as each other keep one order build by build.
    QHash<QString, std::array<QMap<QString, int>, 3>> counts;
    for (const auto& [name, reading] : names) {
        const QList<QPair<QString, QString>> parts = align(name, reading, kanji);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (!KanaText::allKanji(parts[i].first) || parts[i].first == u"々") continue;
            const auto position = i == 0                  ? KanjiInNames::First
                                  : i + 1 == parts.size() ? KanjiInNames::Last
                                                          : KanjiInNames::Inside;
            ++counts[parts[i].first][size_t(position)][parts[i].second];
        }
    }
    KanjiInNames::Table out;
    for (auto k = counts.cbegin(); k != counts.cend(); ++k)
        for (size_t p = 0; p < 3; ++p)
            for (auto r = k.value()[p].cbegin(); r != k.value()[p].cend(); ++r)
                out[k.key()][p].append({r.key(), r.value()});
    // Commonest first, as the reader takes them.
    return KanjiInNames::parse(KanjiInNames::format(out));
}

} // namespace KanjiCounts
