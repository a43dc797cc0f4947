#include "sound/TempleNames.h"

#include "sound/KanaText.h"
#include "sound/LoneKanjiWords.h"

namespace TempleNames {

namespace {

using KanaText::Liaison;
using KanaText::spelledOut;
using LoneKanjiWords::isLoneKanji;

// Kanji whose older reading Buddhist names keep where KANJIDIC lists the newer one first (正
// ショウ of 正法, 西 サイ of 西方, 楽 ラク of 極楽). Kanji where names go both ways (清 セイ or
// ショウ, 平 ヘイ or ビョウ, 金 キン or コン) are not here and keep the first.
struct Older {
    char16_t kanji;
    const char16_t* reading;
};
const Older OlderReadings[] = {
    {u'名', u"ミョウ"}, {u'明', u"ミョウ"}, {u'行', u"ギョウ"}, {u'経', u"キョウ"},
    {u'正', u"ショウ"}, {u'西', u"サイ"},   {u'生', u"ショウ"}, {u'成', u"ジョウ"},
    {u'定', u"ジョウ"}, {u'静', u"ジョウ"}, {u'性', u"ショウ"}, {u'星', u"ショウ"},
    {u'世', u"セ"},     {u'恵', u"エ"},     {u'権', u"ゴン"},   {u'極', u"ゴク"},
    {u'品', u"ホン"},   {u'文', u"モン"},   {u'聞', u"モン"},   {u'遠', u"オン"},
    {u'九', u"ク"},     {u'楽', u"ラク"},   {u'宮', u"グウ"},   {u'華', u"ケ"},
    {u'花', u"ケ"},     {u'下', u"ゲ"},     {u'男', u"ナン"},   {u'木', u"モク"},
    {u'立', u"リュウ"}, {u'武', u"ム"},     {u'言', u"ゴン"},   {u'頭', u"ズ"},
    {u'居', u"コ"},     {u'地', u"ジ"}};

// The forms a reading takes first in a compound: as it is, or doubling the next sound (仏 ブツ →
// ブッ).
QStringList asFirst(const QString& r) {
    return KanaText::firstPartForms(r) << KanaText::withLongVowelMark(r);
}

// The reading of two kanji put together from their readings: a ハ row after ン is said パ
// (本法 ホンポウ).
QString joined(const QString& first, const QString& second) {
    if (second.isEmpty()) return first;
    const QChar half = KanaText::halfVoiced(second.front());
    if (first.endsWith(u'ン') && !half.isNull()) return first + half + second.mid(1);
    return first + second;
}

bool isTwoKanji(QStringView s) {
    return s.size() == 2 && KanaText::isKanji(s[0]) && KanaText::isKanji(s[1]);
}

// The reading for the two kanji `pair`: the dictionary's reading of them in Chinese style,
// preferring one that says both as buddhistReading() does (the ゴ of 居 before its キョ), else
// the kanji's own (unless `dictionaryOnly`); empty when a kanji has no Chinese-style reading.
QString pairReading(const QString& pair, WordKnowledge& knows, bool dictionaryOnly = false) {
    const QStringList on1 = knows.chineseReadings(QStringView(pair).left(1));
    const QStringList on2 = knows.chineseReadings(QStringView(pair).mid(1));
    if (on1.isEmpty() || on2.isEmpty()) return {};
    const QString older1 = buddhistReading(QStringView(pair).left(1), on1);
    const QString older2 = buddhistReading(QStringView(pair).mid(1), on2);
    QString chinese;
    for (const QString& r : knows.dictionaryReadings(pair)) {
        if (!KanaText::composes(r, {on1, on2}, Liaison::Buddhist)) continue;
        if (KanaText::composes(r, {{older1}, {older2}}, Liaison::Buddhist)) return r;
        if (chinese.isEmpty()) chinese = r;
    }
    return chinese.isEmpty() && !dictionaryOnly ? joined(older1, older2) : chinese;
}

// Prefixes that say where a temple lies and keep their native reading (東 ヒガシ), and the
// readings they open a word with.
const QString Prefixes = QStringLiteral("東西南北上下中新旧元本大小");
struct Position {
    char16_t kanji;
    const char16_t* reading;
};
const Position Positions[] = {{u'東', u"ヒガシ"}, {u'西', u"ニシ"}, {u'南', u"ミナミ"},
                              {u'北', u"キタ"},   {u'上', u"カミ"}, {u'下', u"シモ"},
                              {u'中', u"ナカ"}};

// 寺 that the dictionary joined to the kanji before it into a word (本寺 ホンジ, 泉寺
// イズミデラ), after a single kanji that opens the temple's name.
void joinedTemple(ReadWord& before, ReadWord& w, WordKnowledge& knows) {
    if (!isLoneKanji(before) || Prefixes.contains(before.surface[0])) return;
    const QStringList on = knows.chineseReadings(before.surface);
    if (on.isEmpty()) return;
    if (w.pronunciation.endsWith(QStringLiteral("テラ")) ||
        w.pronunciation.endsWith(QStringLiteral("デラ"))) {
        // The native temple of a place: the two kanji are the temple's name.
        const QString read = pairReading(before.surface + w.surface[0], knows);
        if (read.isEmpty()) return;
        before.pronunciation = read;
        w.pronunciation = QStringLiteral("ジ");
        return;
    }
    if (!w.pronunciation.endsWith(u'ジ')) return;
    for (const QString& r : on)
        if (asFirst(r).contains(before.pronunciation)) return;
    const QString first = buddhistReading(before.surface, on);
    before.pronunciation = first;
    w.pronunciation = joined(first, w.pronunciation).mid(first.size());
}

// The two kanji before the word `i` that opens with a temple's 寺: one word, two single kanji,
// or a word of a prefix and a kanji and a single kanji (北|鷺徳寺 split 北鷺|徳|寺).
// Before a hall's 堂, 院, 庵 or 坊, only a pair the dictionary took for a person's name, read
// as the dictionary's word of it in Chinese style: a bookshop's 鷺明堂 is no Mr 鷺明.
void pairBefore(ReadWords& words, size_t i, WordKnowledge& knows, bool hall) {
    ReadWord& before = words[i - 1];
    if (before.fixed || (hall && before.pos2 != QStringLiteral("人名"))) return;
    QString pair, current, prefix;
    ReadWord* first = &before;
    ReadWord* second = nullptr;
    if (isTwoKanji(before.surface)) {
        pair = before.surface;
        current = before.pronunciation;
    } else if (!hall && i >= 2 && isLoneKanji(before) && !words[i - 2].fixed &&
               isTwoKanji(words[i - 2].surface.right(1) + before.surface)) {
        ReadWord& two = words[i - 2];
        if (two.surface.size() == 2)
            for (const Position& p : Positions)
                if (two.surface[0] == QChar(p.kanji) &&
                    two.pronunciation.startsWith(QStringView(p.reading)))
                    prefix = QString::fromUtf16(p.reading);
        if (two.surface.size() != 1 && prefix.isEmpty()) return;
        first = &two;
        second = &before;
        pair = two.surface.right(1) + before.surface;
        current = two.pronunciation.mid(prefix.size()) + before.pronunciation;
    } else {
        return;
    }
    const QStringList on1 = knows.chineseReadings(QStringView(pair).left(1));
    const QStringList on2 = knows.chineseReadings(QStringView(pair).mid(1));
    // Its long vowels are spelt as the kanji's readings spell them (ホーコー ホウコウ), as a
    // name's kana are.
    const QString read = spelledOut(KanaText::composes(current, {on1, on2}, Liaison::Buddhist)
                                        ? current
                                        : pairReading(pair, knows, hall));
    if (read.isEmpty()) return;
    first->pronunciation = prefix + read;
    if (second) second->pronunciation.clear();
}

} // namespace

QString buddhistReading(QStringView kanji, const QStringList& on) {
    if (kanji.size() == 1)
        for (const Older& o : OlderReadings)
            if (kanji[0] == QChar(o.kanji) && on.contains(QString::fromUtf16(o.reading)))
                return QString::fromUtf16(o.reading);
    return on.value(0);
}

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 1; i < words.size(); ++i) {
        ReadWord& w = words[i];
        if (w.fixed) continue;
        if (w.surface.size() == 2 && w.surface.endsWith(u'寺') && KanaText::isKanji(w.surface[0]))
            joinedTemple(words[i - 1], w, knows);
        else if (w.surface.startsWith(u'寺') && w.pronunciation.startsWith(u'ジ'))
            pairBefore(words, i, knows, false);
        else if (w.surface.size() == 1 && QStringView(u"堂院庵坊").contains(w.surface[0]))
            pairBefore(words, i, knows, true);
    }
}

} // namespace TempleNames
