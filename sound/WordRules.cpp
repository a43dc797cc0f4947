#include "sound/WordRules.h"

#include "sound/CompoundWordRules.h"
#include "sound/KanaParticles.h"
#include "sound/KanaText.h"
#include "sound/NumeralWords.h"
#include "sound/PlaceWordRules.h"

#include <QStringList>
#include <algorithm>

namespace WordRules {

namespace {

using CompoundWordRules::isNoun;

// A place name's first word that says where it lies is read in its native form: 東 ヒガシ (not
// the given name アズマ), 上 カミ (not ウエ), 中 ナカ (not チュウ), as in 上川原, 中島田, 東山鳩.
struct Position {
    const char16_t* surface;
    const char16_t* reading;
};
const Position Positions[] = {{u"東", u"ヒガシ"}, {u"西", u"ニシ"}, {u"南", u"ミナミ"},
                              {u"北", u"キタ"},   {u"上", u"カミ"}, {u"下", u"シモ"},
                              {u"中", u"ナカ"}};

void positionPrefix(const ReadWords& words, size_t i, ReadWord& w) {
    if (i + 1 >= words.size() || (i > 0 && isNoun(words[i - 1]))) return;
    const ReadWord& next = words[i + 1];
    // Before a number in kanji only the upper and lower parts open a name (上三坂 カミミサカ).
    const bool upperOrLower =
        w.surface == QStringLiteral("上") || w.surface == QStringLiteral("下");
    if (!isNoun(next) || !KanaText::hasKanji(next.surface) || next.pos1 == QStringLiteral("接尾") ||
        (NumeralWords::isNumber(next) && !upperOrLower))
        return;
    for (const Position& p : Positions)
        if (w.surface == QStringView(p.surface)) w.pronunciation = QString::fromUtf16(p.reading);
    // So are the prefixes small and high of a name, コ and タカ (小鳩田, 高鷺), not the ショウ and
    // コウ of words such as 小規模.
    if (w.pos != QStringLiteral("接頭詞")) return;
    if (w.surface == QStringLiteral("小") && w.pronunciation.startsWith(QStringLiteral("ショ")))
        w.pronunciation = QStringLiteral("コ");
    else if (w.surface == QStringLiteral("高") && w.pronunciation.startsWith(QStringLiteral("コ")))
        w.pronunciation = QStringLiteral("タカ");
}

// A name that closes with 上, 下 or 中 after a place names a part of that place, its upper,
// lower or middle end: カミ, シモ, ナカ (合田上 アイダカミ, 東平島下 ヒガシヒラジマシモ, 団地中
// ダンチナカ). After a common noun that is not a place, 上 and 下 say above and below: 神社下
// ジンジャシタ. The name closes where no noun follows (the end, です, a pause).
void closingPosition(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || (i + 1 < words.size() && isNoun(words[i + 1]))) return;
    const ReadWord& before = words[i - 1];
    if (!isNoun(before) || NumeralWords::isNumber(before)) return;
    const bool place = before.pos1 == QStringLiteral("固有名詞") ||
                       before.pos1 == QStringLiteral("接尾") ||
                       before.pos2 == QStringLiteral("地域");
    if (w.surface == QStringLiteral("中"))
        w.pronunciation = QStringLiteral("ナカ");
    else if (w.surface == QStringLiteral("上"))
        w.pronunciation = place ? QStringLiteral("カミ") : QStringLiteral("ウエ");
    else if (w.surface == QStringLiteral("下"))
        w.pronunciation = place ? QStringLiteral("シモ") : QStringLiteral("シタ");
}

// 下 that the dictionary took for the suffix of a rule or a realm (管理下 カンリカ) between a
// place's or a building's name and more of the name is the ground below it: 鷺会館下広場
// サギカイカンシタヒロバ.
// A name that opens with 下 and the particle の names the lower part of what follows: 下の鳩
// シモノハト, not the シタ of below.
void lowerPartOf(const ReadWords& words, size_t i, ReadWord& w) {
    if (i + 2 >= words.size() || w.surface != QStringLiteral("下") ||
        w.pronunciation != QStringLiteral("シタ") ||
        (i > 0 && words[i - 1].pos != QStringLiteral("記号")))
        return;
    static const QStringList no = {QStringLiteral("の"), QStringLiteral("ノ"),
                                   QStringLiteral("之")};
    if (no.contains(words[i + 1].surface) && words[i + 2].pos == QStringLiteral("名詞"))
        w.pronunciation = QStringLiteral("シモ");
}

void below(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || i + 1 >= words.size() || w.surface != QStringLiteral("下") ||
        w.pronunciation != QStringLiteral("カ") || !isNoun(words[i + 1]))
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos == QStringLiteral("名詞") && before.pos1 != QStringLiteral("サ変接続") &&
        !NumeralWords::isNumber(before) && KanaText::hasKanji(before.surface))
        w.pronunciation = QStringLiteral("シタ");
}

// A temple's name of two kanji or more is read in Chinese style and its 寺 as ジ (鷺福寺
// ロフクジ; TempleNames reads the name itself); after a single kanji it is the native テラ
// (梅寺 ウメデラ). The dictionary may join 寺 to the word after it (寺前 テラマエ).
void temple(ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'寺')) return;
    QString& p = w.pronunciation;
    if (!p.startsWith(QStringLiteral("テラ")) && !p.startsWith(QStringLiteral("デラ"))) return;
    // A kanji of the name may be written in kana (鷺でん寺 サギデンジ, for a kanji outside
    // the common set); a name of kana alone is a nickname (あじさい寺 アジサイデラ).
    qsizetype kanji = 0, kana = 0;
    for (size_t k = i; k-- > 0 && (kanji == 0 || kanji + kana < 2);) {
        const QString& s = words[k].surface;
        const bool word = !s.isEmpty() && words[k].pos != QStringLiteral("助詞") &&
                          words[k].pos != QStringLiteral("助動詞") &&
                          words[k].pos != QStringLiteral("接頭詞");
        if (kanji == 0 && word && std::all_of(s.begin(), s.end(), KanaText::isHiragana)) {
            kana += s.size();
            continue;
        }
        qsizetype n = s.size();
        while (n > 0 && KanaText::isKanji(s[n - 1]))
            --n;
        kanji += s.size() - n;
        if (n > 0 || !isNoun(words[k])) break;
    }
    if (kanji == 0 || kanji + kana < 2) return;
    p.replace(0, 2, QStringLiteral("ジ"));
}

// 町 after a name is マチ in some towns and チョウ in others; MeCab reads the suffix マチ
// everywhere. A town missing from the place list is read the way the country's town names
// that end alike read it (新町 マチ; 田町, 寺町 チョウ).
void townSuffix(const ReadWords& words, size_t i, ReadWord& w, const TownReadings::Table& towns) {
    if (i == 0 || w.surface != QStringLiteral("町") || w.pos1 != QStringLiteral("接尾")) return;
    QString before;
    for (size_t k = i; k-- > 0 && before.size() < TownReadings::MaxEnding;)
        before.prepend(words[k].surface);
    if (before.isEmpty()) return;
    const QString reading = TownReadings::reading(towns, before);
    if (!reading.isEmpty()) w.pronunciation = reading;
}

// 中 and 小 right before 学校 are the school's kind, 中学校 チュウガッコウ and 小学校
// ショウガッコウ, even where the dictionary took them for the end of a place's name (南中
// ミナミナカ, 西小 ニシオ). The kanji alone is no name, so it keeps its own reading.
void schoolKind(const ReadWords& words, size_t i, ReadWord& w) {
    if (i + 1 >= words.size() || !words[i + 1].surface.startsWith(QStringLiteral("学校"))) return;
    QString& p = w.pronunciation;
    const struct {
        QChar kanji;
        const char16_t* misread[2];
        const char16_t* reading;
    } kinds[] = {{u'中', {u"ナカ", nullptr}, u"チュウ"}, {u'小', {u"コ", u"オ"}, u"ショウ"}};
    for (const auto& k : kinds) {
        if (w.surface.size() < 2 || !w.surface.endsWith(k.kanji)) continue;
        for (const char16_t* m : k.misread) {
            if (!m || !p.endsWith(QStringView(m))) continue;
            p.chop(QStringView(m).size());
            p += QStringView(k.reading);
            return;
        }
    }
}

// The words of a place that follow its name take the voiced sound of a compound (rendaku): a
// bridge 鍛冶屋橋 カジヤバシ. (口, 川 and 島 were measured too and left to the dictionary.)
// A bridge's side or entrance that the dictionary took for one word (橋西 キョウセイ, 橋口
// ハシグチ) is the bridge's too after its name: 鳩川橋西 ハトガワバシニシ.
struct Side {
    QChar kanji;
    const char16_t* reading;
};
const Side BridgeSides[] = {
    {u'口', u"グチ"}, {u'東', u"ヒガシ"}, {u'西', u"ニシ"}, {u'南', u"ミナミ"}, {u'北', u"キタ"}};

// A great bridge, 大橋, is オオハシ as a whole, its 橋 unvoiced: 鳩川大橋西詰
// ハトガワオオハシニシヅメ.
void rendaku(ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !isNoun(words[i - 1]) || NumeralWords::isNumber(words[i - 1])) return;
    ReadWord& before = words[i - 1];
    const bool great = before.surface.endsWith(u'大') && !before.fixed &&
                       (before.pronunciation.endsWith(QStringLiteral("ダイ")) ||
                        before.pronunciation.endsWith(QStringLiteral("オオ")));
    const QString bridge = great ? QStringLiteral("ハシ") : QStringLiteral("バシ");
    if (great && w.surface.startsWith(u'橋')) {
        before.pronunciation.chop(2);
        before.pronunciation += QStringLiteral("オオ");
    }
    if (w.surface == QStringLiteral("橋")) w.pronunciation = bridge;
    if (w.surface.size() == 2 && w.surface[0] == u'橋')
        for (const Side& s : BridgeSides)
            if (w.surface[1] == s.kanji) w.pronunciation = bridge + QString::fromUtf16(s.reading);
}

// A family name ending in 橋 after another part of the name (鳩|沢橋, 鷺の|岡橋) is no family
// here but the end of the bridge's name: the place it crosses, then its 橋, voiced as the
// compound's (鳩沢橋 ハトサワバシ). A great bridge, 大橋, keeps its ハシ.
void bridgeAfterName(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface.size() != 2 || w.surface[1] != u'橋' || w.surface[0] == u'大' ||
        w.pos1 != QStringLiteral("固有名詞") || !w.pronunciation.endsWith(QStringLiteral("ハシ")))
        return;
    const ReadWord& before = words[i - 1];
    const bool particleNo = before.surface == QStringLiteral("の") ||
                            before.surface == QStringLiteral("ノ") ||
                            before.surface == QStringLiteral("之");
    if ((!isNoun(before) && !particleNo) || NumeralWords::isNumber(before)) return;
    // After a side or a new part of a place (北|鷺橋, 新|鷺橋), or after the town or ward it lies
    // in (鳩町|鷺橋), the word is a district's own name and keeps its reading.
    static const QString sides = QStringLiteral("東西南北上下中新元本");
    static const QString units = QStringLiteral("町村区市郡県");
    if ((before.surface.size() == 1 && sides.contains(before.surface[0])) ||
        (!before.surface.isEmpty() && units.contains(before.surface.back())))
        return;
    w.pronunciation.chop(2);
    w.pronunciation += QStringLiteral("バシ");
}

// The dictionary reads 橋 after a word it does not take for a noun as the Chinese-style suffix
// キョウ; after a name's kana (a verb's stem 渡り, a particle や) it is the native bridge of a
// compound, バシ.
void bridgeAfterKana(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("橋") ||
        !w.pronunciation.startsWith(QStringLiteral("キョ")))
        return;
    const QString& before = words[i - 1].surface;
    if (!before.isEmpty() && KanaText::isHiragana(before.back()))
        w.pronunciation = QStringLiteral("バシ");
}

// The end of a bridge (橋詰) or its side (西詰) is ヅメ, the voiced ツメ of a compound.
void bridgeEnd(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("詰") || !w.pronunciation.startsWith(u'ツ')) return;
    const QString& before = words[i - 1].surface;
    if (before.isEmpty() || !QStringView(u"橋東西南北").contains(before.back())) return;
    w.pronunciation[0] = u'ヅ';
}

// A shrine's name of two kanji or more before 宮 is a 宮 said グウ: 鳩峰宮 ハトミネグウ; a
// single kanji before it is the native ミヤ (小宮).
void shrine(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'宮') ||
        !w.pronunciation.startsWith(QStringLiteral("ミヤ")))
        return;
    // The dictionary may join 宮 to the stop's side of it (宮前 ミヤマエ, 宮北).
    static const QStringList sides = {QStringLiteral("宮"),   QStringLiteral("宮前"),
                                      QStringLiteral("宮東"), QStringLiteral("宮西"),
                                      QStringLiteral("宮南"), QStringLiteral("宮北"),
                                      QStringLiteral("宮口")};
    if (!sides.contains(w.surface)) return;
    const ReadWord& b = words[i - 1];
    if (!isNoun(b) || NumeralWords::isNumber(b) || b.surface.size() < 2) return;
    for (QChar c : b.surface)
        if (!KanaText::isKanji(c)) return;
    w.pronunciation.replace(0, 2, QStringLiteral("グウ"));
}

// 池 after a name or a thing is a pond, イケ (鷺池, 鳩ヶ池, 弁天池); the dictionary's suffix チ is
// that of a works named for what it does to water, after a verbal noun (調整池, 配水池), and of
// the words it knows whole (貯水池, 電池).
void pond(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("池") || w.pronunciation != QStringLiteral("チ"))
        return;
    if (words[i - 1].pos1 != QStringLiteral("サ変接続")) w.pronunciation = QStringLiteral("イケ");
}

// 館 after another word is a hall, カン; alone it reads タテ (a manor), which is what the
// dictionary gives it where it cannot join it to the word before (ふらっと館), also joined to
// the word after it (館前 タテマエ). A listed name that is the whole name keeps the list's
// reading (鷺館 サギタテ, a village). A place the dictionary knows that opens with the manor
// (館山 タテヤマ, 館沢) is that place after another word too (鷺館山); only the hall's front or
// side joined to it (館前, 館南) is still the hall's.
void hall(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.listed && words.size() == 1) return;
    const QString manor = QStringLiteral("タテ"), hall = QStringLiteral("カン");
    QString& p = w.pronunciation;
    const bool ofTheHall =
        w.surface.size() == 1 ||
        (w.surface.size() == 2 && QStringView(u"前東西南北").contains(w.surface[1]));
    if (i > 0 && w.surface.startsWith(u'館') && p.startsWith(manor) && ofTheHall)
        p.replace(0, 2, hall);
    else if ((i > 0 || w.surface.size() > 1) && w.surface.endsWith(u'館') && p.endsWith(manor))
        p.replace(p.size() - 2, 2, hall);
}

// Words that the dictionary takes for a suffix of amount or shape mean something else after
// a name: a school's short name (鷺丘高 サギオカコウ, the high school, not an amount ダカ) and a
// street corner (酒屋角 サカヤカド; after a number it stays the angle, 六角 ロッカク). Only where
// the name ends or goes on with the stop's side of it: inside a longer name (鷺高公民館) the
// dictionary's reading stands.
struct SuffixReading {
    const char16_t* surface;
    const char16_t* reading;
};
const SuffixReading AfterName[] = {{u"高", u"コウ"}, {u"角", u"カド"}};

// What a stop may add after the landmark it is named for: its front, entrance, gate or side.
bool closesLandmark(const ReadWords& words, size_t i) {
    if (i + 1 >= words.size()) return true;
    static const QStringList after = {
        QStringLiteral("前"), QStringLiteral("入口"), QStringLiteral("口"), QStringLiteral("正門"),
        QStringLiteral("東"), QStringLiteral("西"),   QStringLiteral("南"), QStringLiteral("北")};
    return after.contains(words[i + 1].surface) || !isNoun(words[i + 1]);
}

void suffixAfterName(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.pos1 != QStringLiteral("接尾") || !isNoun(words[i - 1]) ||
        NumeralWords::isNumber(words[i - 1]) || !closesLandmark(words, i))
        return;
    for (const SuffixReading& s : AfterName)
        if (w.surface == QStringView(s.surface)) w.pronunciation = QString::fromUtf16(s.reading);
}

// 団地, a housing estate, before 口 (its entrance) or 中 (its middle part): the dictionary may
// split it 団 | 地口 and read 地口 as the pun ジグチ, or 団 | 地中 and read 地中 underground,
// チチュウ.
void estateEntrance(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !words[i - 1].surface.endsWith(u'団')) return;
    if (w.surface == QStringLiteral("地口"))
        w.pronunciation = QStringLiteral("チグチ");
    else if (w.surface == QStringLiteral("地中"))
        w.pronunciation = QStringLiteral("チナカ");
}

// A name that ends in 入 said イル (東入, "going east" in a street address) before 口 is the
// name of an entrance, 入口 イリグチ, split after the wrong character.
void entrance(const ReadWords& words, size_t i, ReadWord& w) {
    if (i + 1 >= words.size() || words[i + 1].surface != QStringLiteral("口") ||
        !w.surface.endsWith(u'入') || !w.pronunciation.endsWith(QStringLiteral("イル")))
        return;
    w.pronunciation.chop(1);
    w.pronunciation += u'リ';
}

// A stop named after what it stands in front of ends in 前, said マエ: 西門前 is ニシモンマエ,
// though the dictionary knows 門前 as モンゼン. Words of time and the like keep their ゼン, and
// so does a listed name that is the whole name (鷺門前 サギモンゼン, a district); inside a
// longer one (鷺公園北門前) a listed 北門前 is the gate's front still.
void frontOf(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.listed && words.size() == 1) return;
    static const QStringList keep = {
        QStringLiteral("午前"), QStringLiteral("以前"), QStringLiteral("直前"),
        QStringLiteral("事前"), QStringLiteral("寸前"), QStringLiteral("空前"),
        QStringLiteral("目前"), QStringLiteral("生前"), QStringLiteral("戦前"),
        QStringLiteral("食前"), QStringLiteral("産前"), QStringLiteral("最前")};
    if (!w.surface.endsWith(u'前') || !w.pronunciation.endsWith(QStringLiteral("ゼン"))) return;
    if (i + 1 < words.size() && isNoun(words[i + 1])) return;
    for (const QString& k : keep)
        if (w.surface.endsWith(k)) return;
    w.pronunciation.chop(2);
    w.pronunciation += QStringLiteral("マエ");
}

} // namespace

void apply(ReadWords& words, WordKnowledge& knows, const TownReadings::Table& towns) {
    for (size_t i = 0; i < words.size(); ++i) {
        ReadWord& w = words[i];
        if (w.fixed) continue;
        KanaParticles::readInName(words, i, w);
        positionPrefix(words, i, w);
        closingPosition(words, i, w);
        below(words, i, w);
        lowerPartOf(words, i, w);
        townSuffix(words, i, w, towns);
        schoolKind(words, i, w);
        temple(words, i, w);
        rendaku(words, i, w);
        bridgeAfterName(words, i, w);
        bridgeAfterKana(words, i, w);
        bridgeEnd(words, i, w);
        shrine(words, i, w);
        pond(words, i, w);
        hall(words, i, w);
        suffixAfterName(words, i, w);
        estateEntrance(words, i, w);
        entrance(words, i, w);
        frontOf(words, i, w);
        PlaceWordRules::apply(words, i);
        CompoundWordRules::apply(words, i, knows);
    }
}

} // namespace WordRules
