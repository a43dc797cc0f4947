#include "sound/PlaceWordRules.h"

#include "sound/JoinVoicing.h"
#include "sound/KanaText.h"
#include "sound/NumeralWords.h"

#include <QStringView>
#include <algorithm>

namespace PlaceWordRules {

namespace {

// A town named for its market day (四日市 ヨッカイチ, 六日市 ムイカイチ) has the market イチ, not
// the city シ, after the day's count of days, also where the dictionary read 日 as the day of a
// date (ニチ) after the number.
void marketDay(ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'市') || !w.pronunciation.startsWith(u'シ')) return;
    ReadWord& day = words[i - 1];
    if (day.fixed || !day.surface.endsWith(u'日')) return;
    if (day.surface == QStringLiteral("日") && i >= 2 && !words[i - 2].fixed) {
        ReadWord& count = words[i - 2];
        const qsizetype n = QStringView(u"二三四五六七八九十").indexOf(count.surface);
        if (count.surface.size() != 1 || n < 0) return;
        count.pronunciation = NumeralWords::dayCount(int(n) + 2);
        day.pronunciation.clear();
    } else if (!day.pronunciation.endsWith(u'カ')) {
        return;
    }
    // Its square is the market's, イチバ (七日市場 ナノカイチバ), not the trade's シジョウ.
    if (w.surface == QStringLiteral("市場") && w.pronunciation == QStringLiteral("シジョー"))
        w.pronunciation = QStringLiteral("イチバ");
    else
        w.pronunciation.replace(0, 1, QStringLiteral("イチ"));
}

// Where the place list reads the day with its market already in it (一日 as ヒトイチ), the 市
// after it is that same market: the town says its イチ once, not ヒトイチシ, and a market
// square 市場 after the day is ヒトイチバ.
void marketInDay(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'市')) return;
    const ReadWord& day = words[i - 1];
    if (!day.surface.endsWith(u'日') || !day.pronunciation.endsWith(QStringLiteral("イチ"))) return;
    if (w.pronunciation.startsWith(QStringLiteral("イチ")))
        w.pronunciation.remove(0, 2);
    else if (w.pronunciation.startsWith(u'シ'))
        w.pronunciation.remove(0, 1);
}

// Islands and mountains abroad, written in katakana, take the Chinese-style suffix: グレンダ島
// グレンダトー, ピエルネー山 ピエルネーサン. An island's name of four kana or more is taken as
// foreign; a mountain's where its spelling is one Japanese words do not use (a long vowel
// mark, a small vowel, ヴ), whatever the dictionary made of 山 after it.
bool allKatakana(QStringView name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), KanaText::isKatakana);
}

bool abroad(QStringView name, QStringView kind) {
    if (kind != u"島" && kind != u"山") return false;
    if (!allKatakana(name)) return false;
    bool marked = false;
    for (QChar c : u"ーァィゥェォヴ")
        marked = marked || name.contains(c);
    return marked || (kind == u"島" && name.size() >= 4);
}

// What the dictionary reads as a suffix of islands and mountains (トウ, サン: 諸島, 富士山) is,
// after a place's name, the place's own 島 and 山 in native style: 鷺島 サギジマ (シマ after
// ノ), 鳩田山 ハトダヤマ.
void islandOrHill(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0) return;
    const ReadWord& before = words[i - 1];
    if (abroad(before.surface, w.surface)) {
        w.pronunciation =
            w.surface == QStringLiteral("島") ? QStringLiteral("トー") : QStringLiteral("サン");
        return;
    }
    if (w.pos1 != QStringLiteral("接尾") || w.pos2 != QStringLiteral("地域")) return;
    // A name in katakana alone is mostly one abroad, even a short one in plain kana (グレダ島,
    // アペ山, ガルモ山の滝): those keep the dictionary's トウ and サン. Native hills in katakana
    // are fewer, and a katakana part after kanji is native (中ハトクラ山 ナカハトクラヤマ).
    // A thing's name in kanji or hiragana names an island as well (鳩舟島 ハトブネジマ, an
    // island shaped like a boat).
    if (std::all_of(words.begin(), words.begin() + qsizetype(i),
                    [](const ReadWord& b) { return allKatakana(b.surface); }))
        return;
    const bool thing =
        before.pos == QStringLiteral("名詞") && before.pos1 == QStringLiteral("一般") &&
        std::all_of(before.surface.begin(), before.surface.end(),
                    [](QChar c) { return KanaText::isKanji(c) || KanaText::isHiragana(c); });
    if (before.pos1 != QStringLiteral("固有名詞") && !thing) return;
    if (w.surface == QStringLiteral("島") && w.pronunciation == QStringLiteral("トー"))
        w.pronunciation =
            before.pronunciation.endsWith(u'ノ') ? QStringLiteral("シマ") : QStringLiteral("ジマ");
    else if (w.surface == QStringLiteral("山") && w.pronunciation == QStringLiteral("サン"))
        w.pronunciation = QStringLiteral("ヤマ");
}

// The prefix 前 (former, ゼン) beside a place's name is the front of it: 前鳩田 マエハトダ, the
// front part of 鳩田, and 鳩寺前広場 the square in front of the temple.
void frontPrefix(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface != QStringLiteral("前") || w.pos != QStringLiteral("接頭詞") ||
        w.pronunciation != QStringLiteral("ゼン"))
        return;
    const bool afterName = i > 0 && words[i - 1].pos1 == QStringLiteral("固有名詞");
    // Opening a name, also before a thing's name in kanji (前浜, the beach in front).
    const bool beginsName =
        i == 0 && i + 1 < words.size() &&
        (words[i + 1].pos1 == QStringLiteral("固有名詞") ||
         (words[i + 1].pos1 == QStringLiteral("一般") && KanaText::allKanji(words[i + 1].surface)));
    if (afterName || beginsName) w.pronunciation = QStringLiteral("マエ");
}

// A 中 between a place's name and more of a name is its middle part, ナカ (鳩田中鷺沢, 鳩市中区):
// the dictionary's チュウ is that of a school (中学校), which is left as it is.
void middle(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || i + 1 >= words.size() || w.surface != QStringLiteral("中") ||
        !w.pronunciation.startsWith(QStringLiteral("チュ")))
        return;
    const ReadWord& before = words[i - 1];
    const ReadWord& after = words[i + 1];
    const bool place =
        before.pos1 == QStringLiteral("固有名詞") ||
        (before.pos1 == QStringLiteral("接尾") && before.pos2 == QStringLiteral("地域"));
    if (!place || after.pos != QStringLiteral("名詞") || NumeralWords::isNumber(after) ||
        after.surface.startsWith(u'学') || after.surface.isEmpty() ||
        !KanaText::isKanji(after.surface[0]))
        return;
    w.pronunciation = QStringLiteral("ナカ");
}

// After the particle の of a name (written の, ノ or 之) a word of one kanji is a native noun of
// what the name before it names: its inside ウチ (鷺ノ内 サギノウチ), its foot モト (鷺之本), its
// front マエ, its entrance イリ, its mansion ヤカタ, its road ミチ, its back ウシロ, its head (a
// peak's top) カシラ, its shrine ヤシロ, its cave イワヤ. The suffix ナイ, the book ホン, the
// Chinese readings the dictionary gives these, the time ノチ and the body's アタマ cannot follow a
// particle here, nor the voiced sound that a compound gives its second part (組 グミ, 谷 ダニ,
// 橋 バシ): the particle keeps the words apart.
const Misreading AfterNo[] = {
    {u"内", u"ナイ", u"ウチ"},   {u"本", u"ホン", u"モト"},     {u"前", u"ゼン", u"マエ"},
    {u"入", u"ニュウ", u"イリ"}, {u"館", u"カン", u"ヤカタ"},   {u"道", u"ドウ", u"ミチ"},
    {u"後", u"ノチ", u"ウシロ"}, {u"頭", u"アタマ", u"カシラ"}, {u"組", u"グミ", u"クミ"},
    {u"谷", u"ダニ", u"タニ"},   {u"橋", u"バシ", u"ハシ"},     {u"社", u"シャ", u"ヤシロ"},
    {u"窟", u"クツ", u"イワヤ"}};

void afterNo(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || words[i - 1].pronunciation != QStringLiteral("ノ") ||
        !QStringView(u"のノ之").contains(words[i - 1].surface))
        return;
    const QString spoken = KanaText::spelledOut(w.pronunciation);
    for (const Misreading& a : AfterNo)
        if (w.surface == QStringView(a.surface) && spoken == QStringView(a.misread))
            w.pronunciation = QString::fromUtf16(a.reading);
}

// The native word that closes a place after a noun in kanji joins it as the second part of a
// compound, with its first sound voiced (rendaku): 鷺沼谷 サギヌマダニ, 鳩崎 ハトザキ, 鷺山平
// サギヤマダイラ, 鳩岩鼻 ハトイワバナ, 鷺岳 サギダケ, 鳩山小屋 ハトヤマゴヤ. After a ヶ or a ノ the
// compound is already marked and the plain sound is as common (鳩ヶ谷 ハトガヤ, 鷺ノ谷 サギノタニ),
// also after the particle written in kanji, 之, which the dictionary may take for the end of a
// noun (鷺之平 サギノタイラ); 沢, which the country's places voice as often as not, stays too.
struct ClosingPart {
    const char16_t* surface;
    const char16_t* plain;
};
const ClosingPart VoicedAfterName[] = {{u"谷", u"タニ"}, {u"崎", u"サキ"}, {u"平", u"タイラ"},
                                       {u"田", u"タ"},   {u"塚", u"ツカ"}, {u"尻", u"シリ"},
                                       {u"堀", u"ホリ"}, {u"洞", u"ホラ"}, {u"鼻", u"ハナ"},
                                       {u"戸", u"ト"},   {u"岳", u"タケ"}, {u"小屋", u"コヤ"}};

void closingPart(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0) return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || NumeralWords::isNumber(before) ||
        !KanaText::allKanji(before.surface) ||
        JoinVoicing::closesWithParticle(before.surface.back()))
        return;
    for (const ClosingPart& part : VoicedAfterName)
        if (w.surface == QStringView(part.surface) && w.pronunciation == QStringView(part.plain))
            w.pronunciation[0] = KanaText::voiced(w.pronunciation[0]);
}

// A 越 that closes a name after a noun is the way over what it names, ゴエ (鷺山越 サギヤマゴエ):
// the dictionary's エツ is the old province, which no place so named says.
void passOver(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || i + 1 != words.size() || w.surface != QStringLiteral("越") ||
        w.pronunciation != QStringLiteral("エツ") || words[i - 1].pos != QStringLiteral("名詞") ||
        NumeralWords::isNumber(words[i - 1]))
        return;
    w.pronunciation = QStringLiteral("ゴエ");
}

// A kanji, the dictionary's reading of it, and the reading it has as part of a place's name.
struct NativeClosing {
    char16_t kanji;
    const char16_t* dictionary;
    const char16_t* place;
};

// Suffixes the dictionary reads as counters that after a noun that is no number are a place's
// own words: a stone 石 イシ (鳩石, 鷺岩石; not the count of a watch's jewels セキ), and the
// name-field 名 ミョウ of the old manors that many villages are named for (鷺田名 サギタミョウ;
// not the count of people メイ). After a number 石 is the koku, which the number rules read,
// and 名 the people.
const NativeClosing SuffixAfterNoun[] = {{u'石', u"セキ", u"イシ"}, {u'名', u"メイ", u"ミョー"}};

void suffixAfterNoun(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface.size() != 1 || w.pos1 != QStringLiteral("接尾") ||
        words[i - 1].pos != QStringLiteral("名詞") || NumeralWords::isNumber(words[i - 1]))
        return;
    for (const NativeClosing& part : SuffixAfterNoun)
        if (w.surface[0] == part.kanji && w.pronunciation == QStringView(part.dictionary))
            w.pronunciation = QString::fromUtf16(part.place);
}

// Kanji that close a place's name in the native word the dictionary reads in Chinese style or
// as another word: the peak 峰 ミネ (not ホウ), the valley 迫 サコ (not ハサマ), the harbour 泊
// (not the night's stay ハク), the field 畑 ハタ, the street 通 ドーリ and the reef 碆 バエ (鷺峰
// サギミネ, 鳩迫 ハトサコ, 鷺泊 サギドマリ, 鳩畑 ハトハタ, 鷺通 サギドーリ). After a number the
// dictionary's word stays (二泊, a stay of two nights).
const NativeClosing NativeAfterName[] = {{u'峰', u"ホー", u"ミネ"},   {u'迫', u"ハサマ", u"サコ"},
                                         {u'泊', u"ハク", u"ドマリ"}, {u'畑', u"ハタケ", u"ハタ"},
                                         {u'通', u"ツー", u"ドーリ"}, {u'碆', u"ハ", u"バエ"}};

void nativeClosing(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || i + 1 != words.size() || w.surface.size() != 1) return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || NumeralWords::isNumber(before)) return;
    for (const NativeClosing& part : NativeAfterName) {
        if (w.surface[0] != part.kanji || w.pronunciation != QStringView(part.dictionary)) continue;
        w.pronunciation = QString::fromUtf16(part.place);
        // The harbour is voiced only as the second part of a compound in kanji (鷺ノ泊
        // サギノトマリ).
        if (part.kanji == u'泊' && !KanaText::allKanji(before.surface)) w.pronunciation[0] = u'ト';
    }
}

// 新田 after a place's name is the new rice field that so many villages were named for when
// they were opened up, シンデン (鷺沢新田); the dictionary's ニッタ is the family name.
void newField(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("新田") ||
        w.pronunciation != QStringLiteral("ニッタ"))
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || NumeralWords::isNumber(before)) return;
    w.pronunciation = QStringLiteral("シンデン");
}

// 又 after a word of a name is a fork, of a river or a valley (鳩又, 鷺又谷 サギマタダニ), a noun
// that the parts after it join as a compound's: the dictionary's conjunction (又, also) never
// stands inside a name. The river after a fork is ガワ (鷺又川 サギマタガワ).
void fork(ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0) return;
    const ReadWord& before = words[i - 1];
    if (w.surface == QStringLiteral("又") && w.pos == QStringLiteral("接続詞") &&
        before.pos == QStringLiteral("名詞")) {
        w.pos = QStringLiteral("名詞");
        w.pos1 = QStringLiteral("一般");
    } else if (w.surface == QStringLiteral("川") && w.pronunciation == QStringLiteral("カワ") &&
               before.surface == QStringLiteral("又") && before.pos == QStringLiteral("名詞")) {
        w.pronunciation = QStringLiteral("ガワ");
    }
}

// A hut written as the old house after a noun is the second part of a compound, ゴヤ (鳩古屋
// ハトゴヤ), not the family name フルヤ; the hut written 小屋 is voiced with the other closing
// parts (VoicedAfterName).
void oldHouseHut(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || words[i - 1].pos != QStringLiteral("名詞") ||
        NumeralWords::isNumber(words[i - 1]))
        return;
    if (w.surface == QStringLiteral("古屋") && w.pronunciation == QStringLiteral("フルヤ"))
        w.pronunciation = QStringLiteral("ゴヤ");
}

// Words for a kind of land, water or way that the place list also holds as one village's own
// name (高原 タカハラ, 山地 ヤマジ): after another name they are that kind of thing, read as the
// word: 鳩高原 ハトコーゲン (a plateau), 鷺山地 サギサンチ (a range), 鳩半島 ハトハントー, 鷺街道
// サギカイドー (a highroad), 鳩沢山 ハトサワヤマ and 鷺山川 サギヤマガワ (the mountain of a 沢,
// the river of 鷺山), and the village 一色 イッシキ (鳩一色), which the dictionary reads as the
// single colour イッショク. After the town or village it lies in (鳩町|高原) the word is that
// district's own name and keeps its reading.
struct KindOfPlace {
    const char16_t* surface;
    const char16_t* reading;
};
const KindOfPlace KindsAfterName[] = {
    {u"高原", u"コーゲン"}, {u"山地", u"サンチ"},   {u"半島", u"ハントー"}, {u"街道", u"カイドー"},
    {u"沢山", u"サワヤマ"}, {u"山川", u"ヤマガワ"}, {u"一色", u"イッシキ"}};

void kindAfterName(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0) return;
    const QString& before = words[i - 1].surface;
    if (before.isEmpty() || QStringView(u"町村区市郡").contains(before.back()) ||
        !(KanaText::isKanji(before.back()) || KanaText::isHiragana(before.back()) ||
          KanaText::isKatakana(before.back())))
        return;
    for (const KindOfPlace& kind : KindsAfterName)
        if (w.surface == QStringView(kind.surface))
            w.pronunciation = QString::fromUtf16(kind.reading);
}

// Words the dictionary knows only as something else that in a place's name are its parts: the
// stream of a 沢, 沢川 サワガワ (not the Chinese place ソウゴウ), and the south side of a place,
// 南方 ミナミカタ (not the southern lands ナンポウ). After a word, the family name 沢川 サワカワ
// and the one village of the place lists that says ソウゴウ are that stream too (鷺の沢川
// サギノサワガワ); a name they open is the family's or the village's.
struct PlaceWord {
    const char16_t* surface;
    const char16_t* dictionary;
    const char16_t* place;
    bool afterWord;
};
const PlaceWord PlaceWords[] = {{u"沢川", u"ソーゴー", u"サワガワ", false},
                                {u"沢川", u"ソウゴウ", u"サワガワ", true},
                                {u"沢川", u"サワカワ", u"サワガワ", true},
                                {u"南方", u"ナンポー", u"ミナミカタ", false}};

void placeWord(size_t i, ReadWord& w) {
    for (const PlaceWord& p : PlaceWords)
        if (w.surface == QStringView(p.surface) && w.pronunciation == QStringView(p.dictionary) &&
            (i > 0 || !p.afterWord))
            w.pronunciation = QString::fromUtf16(p.place);
}

// A 頭 after a noun in kanji is the head or upper end of what it names, ガシラ (鷺沢頭
// サギサワガシラ), the second part of a compound; the dictionary's アタマ is the body's.
void headOf(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("頭") || w.pronunciation != QStringLiteral("アタマ"))
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || NumeralWords::isNumber(before) ||
        !KanaText::allKanji(before.surface))
        return;
    w.pronunciation = QStringLiteral("ガシラ");
}

// After a place's name, 市場 is the market square the place grew up around, イチバ (鷺沢市場
// サギサワイチバ), and 宿 the post town on its road, シュク (鷺沢宿 サギサワシュク). The
// dictionary's readings are the trade's market or a wholesale hall (シジョウ, which stays after
// a common noun: 卸売市場) and an inn, ヤド.
struct WordAfterPlace {
    const char16_t* surface;
    const char16_t* dictionary;
    const char16_t* place;
};
const WordAfterPlace AfterPlace[] = {{u"市場", u"シジョー", u"イチバ"},
                                     {u"宿", u"ヤド", u"シュク"}};

void afterPlace(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || words[i - 1].pos1 != QStringLiteral("固有名詞")) return;
    for (const WordAfterPlace& part : AfterPlace)
        if (w.surface == QStringView(part.surface) &&
            w.pronunciation == QStringView(part.dictionary))
            w.pronunciation = QString::fromUtf16(part.place);
}

} // namespace

void apply(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.fixed) return;
    fork(words, i, w);
    marketDay(words, i, w);
    marketInDay(words, i, w);
    islandOrHill(words, i, w);
    frontPrefix(words, i, w);
    middle(words, i, w);
    afterNo(words, i, w);
    closingPart(words, i, w);
    passOver(words, i, w);
    suffixAfterNoun(words, i, w);
    nativeClosing(words, i, w);
    newField(words, i, w);
    kindAfterName(words, i, w);
    oldHouseHut(words, i, w);
    placeWord(i, w);
    headOf(words, i, w);
    afterPlace(words, i, w);
}

} // namespace PlaceWordRules
