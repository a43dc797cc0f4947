#include "sound/LoneKanjiWords.h"

#include "sound/KanaText.h"
#include "sound/NumeralWords.h"

namespace LoneKanjiWords {

bool isLoneKanji(const ReadWord& w) {
    return w.surface.size() == 1 && KanaText::isKanji(w.surface.front()) && !w.fixed &&
           !w.pronunciation.isEmpty();
}

bool titled(const ReadWords& words, size_t i) {
    return i + 1 < words.size() && words[i + 1].pos1 == QStringLiteral("接尾") &&
           words[i + 1].pos2 == QStringLiteral("人名");
}

namespace {

// The sun, 日, written before the particle ノ or の is the native ヒ (日ノ出, 日の丸); the
// dictionary reads a 日 it finds alone as Japan, ニチ. After a number it is a day (三日ノ) and
// left alone.
void sunBeforeNo(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("日") || w.fixed || i + 1 >= words.size() ||
        (w.pronunciation != QStringLiteral("ニチ") && w.pronunciation != QStringLiteral("ジツ")))
        return;
    const QString& next = words[i + 1].surface;
    if (next != QStringLiteral("ノ") && next != QStringLiteral("の")) return;
    if (i > 0 && NumeralWords::isNumber(words[i - 1])) return;
    w.pronunciation = QStringLiteral("ヒ");
}

// An inlet, 江, in a name is the native エ (入江, 鷺江); the dictionary reads a lone 江 as the
// Chinese family name コウ, which it stays with a title after it (江さん).
void inlet(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("江") || w.fixed ||
        (w.pronunciation != QStringLiteral("コウ") && w.pronunciation != QStringLiteral("コー")))
        return;
    if (titled(words, i)) return;
    w.pronunciation = QStringLiteral("エ");
}

// 内 after ヶ is the inside of what comes before, ウチ (鳩ヶ内), as after the particle の
// (PlaceWordRules); the dictionary's suffix ナイ is that of words such as 社内 and 家内.
void inside(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("内") || w.fixed || w.pronunciation != QStringLiteral("ナイ") ||
        i == 0 || !QStringView(u"ヶケ").contains(words[i - 1].surface))
        return;
    w.pronunciation = QStringLiteral("ウチ");
}

// The prefix 向 before a place is the far side of it, ムカイ (向鷺沢, the one across from 鷺沢),
// as most places so named say; the dictionary's Chinese コウ is that of words such as 向上.
void facing(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("向") || w.fixed || w.pos != QStringLiteral("接頭詞") ||
        i + 1 >= words.size() || words[i + 1].pos2 != QStringLiteral("地域") ||
        (w.pronunciation != QStringLiteral("コウ") && w.pronunciation != QStringLiteral("コー")))
        return;
    w.pronunciation = QStringLiteral("ムカイ");
}

// The prefix 今 that opens a name before a kanji noun is the newer place, イマ (今鷺沢, the
// newer 鷺沢; 今ヶ鳩), as nearly every place so named says; the dictionary's Chinese コン is the
// "this" of an occasion (今大会 this tournament, 今国会, 今学期), which stays. Inside a sentence
// (次は今大会会場) it is left to the dictionary.
void newer(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("今") || w.fixed || w.pos != QStringLiteral("接頭詞") ||
        w.pronunciation != QStringLiteral("コン") || i + 1 >= words.size() ||
        (i > 0 && words[i - 1].pos != QStringLiteral("記号")))
        return;
    static const QStringList occasions = {
        QStringLiteral("大会"), QStringLiteral("国会"), QStringLiteral("議会"),
        QStringLiteral("総会"), QStringLiteral("会期"), QStringLiteral("学期"),
        QStringLiteral("場所"), QStringLiteral("試合"), QStringLiteral("選挙"),
        QStringLiteral("大戦"), QStringLiteral("内閣"), QStringLiteral("政権"),
        QStringLiteral("定例"), QStringLiteral("臨時"), QStringLiteral("事業"),
        QStringLiteral("作品"), QStringLiteral("試験"), QStringLiteral("公演"),
        QStringLiteral("改正"), QStringLiteral("改定"), QStringLiteral("計画"),
        QStringLiteral("工事"), QStringLiteral("期間"), QStringLiteral("年度")};
    const ReadWord& next = words[i + 1];
    const bool kanjiNoun = next.pos == QStringLiteral("名詞") && !next.surface.isEmpty() &&
                           KanaText::isKanji(next.surface.front()) &&
                           !occasions.contains(next.surface);
    // 今 with the next word's first kanji may be a word of its own that the dictionary cut
    // apart, such as the family name 今野 コンノ in a 今|野川.
    if (kanjiNoun) {
        const QStringList joined = knows.dictionaryReadings(w.surface + next.surface.front());
        for (const QString& r : joined)
            if (r.startsWith(QStringLiteral("コン"))) return;
    }
    if (kanjiNoun || next.surface == QStringLiteral("ヶ") || next.surface == QStringLiteral("ケ"))
        w.pronunciation = QStringLiteral("イマ");
}

enum class Style { Chinese, Native, Either };

// The style of a word's reading: Chinese or native where it is a reading of that kind only; a
// given name's reading that is no Chinese one counts as native.
Style styleOf(const ReadWord& w, WordKnowledge& knows) {
    const bool on = KanaText::saysOneOf(w.pronunciation, knows.chineseReadings(w.surface));
    const bool kun = (w.givenName && !on) ||
                     KanaText::saysOneOf(w.pronunciation, knows.nativeReadings(w.surface));
    if (on && !kun) return Style::Chinese;
    if (kun && !on) return Style::Native;
    return Style::Either;
}

// 内 closing a name after a word in native readings is the inside of that place, ウチ (鷺沢内
// サギサワウチ), as a compound keeps to one style; the suffix ナイ follows Chinese words (社内,
// 庄内 ショウナイ).
void closingInside(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("内") || w.fixed || w.pronunciation != QStringLiteral("ナイ") ||
        i == 0 || i + 1 != words.size())
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || !KanaText::allKanji(before.surface)) return;
    // Each kanji of the word before read by one of its native readings.
    QList<QStringList> native;
    for (qsizetype k = 0; k < before.surface.size(); ++k)
        native.append(knows.nativeReadings(QStringView(before.surface).mid(k, 1)));
    if (!KanaText::composes(before.pronunciation, native)) return;
    w.pronunciation = QStringLiteral("ウチ");
}

// A prefix that opens a name before a place's name of two kanji or more, or before a native
// word, says which part of that place it is, in native style: 大鷺沢 オオサギサワ (the greater),
// 入鷺沢 イリサギサワ (the inner), 後鷺沢 ウシロサギサワ, 向鷺沢 ムカイサギサワ (the one across),
// 中ハトクラ ナカハトクラ (the middle), 小はと コハト (the lesser). The dictionary's Chinese ダイ,
// ニュウ, コウ, チュウ and ショウ are those of words such as 大規模, 入会金 and 中規模, and stay
// where the prefix makes a word with the place's first kanji that the dictionary cut apart
// (大|門口 of a 大門, the great gate).
struct PartPrefix {
    char16_t kanji;
    const char16_t* chinese;
    const char16_t* native;
};
const PartPrefix PlacePartPrefixes[] = {{u'大', u"ダイ", u"オオ"},   {u'入', u"ニュー", u"イリ"},
                                        {u'後', u"コー", u"ウシロ"}, {u'向', u"コー", u"ムカイ"},
                                        {u'中', u"チュー", u"ナカ"}, {u'小', u"ショー", u"コ"}};

void partOfPlace(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (i != 0 || i + 1 >= words.size() || w.fixed || w.surface.size() != 1 ||
        w.pos != QStringLiteral("接頭詞"))
        return;
    const ReadWord& place = words[i + 1];
    const bool name = place.pos1 == QStringLiteral("固有名詞") && place.surface.size() >= 2 &&
                      KanaText::allKanji(place.surface);
    // A native word makes a place's name with it too: one kanji read in native style (大鍋
    // オオナベ), or a word in kana (大ぜんまい).
    const bool nativeWord =
        place.pos == QStringLiteral("名詞") && !NumeralWords::isNumber(place) &&
        ((isLoneKanji(place) && styleOf(place, knows) == Style::Native) ||
         (!place.surface.isEmpty() && !KanaText::hasKanji(place.surface) &&
          (KanaText::isHiragana(place.surface[0]) || KanaText::isKatakana(place.surface[0]))));
    if (!name && !nativeWord) return;
    for (const PartPrefix& p : PlacePartPrefixes) {
        if (w.surface[0] != p.kanji || w.pronunciation != QStringView(p.chinese)) continue;
        for (const QString& r : knows.dictionaryReadings(w.surface + place.surface.front()))
            if (r.startsWith(p.chinese[0])) return;
        w.pronunciation = QString::fromUtf16(p.native);
    }
}

// A lone 原 after a name's part is the field that closes so many place names, ハラ (鷺沢原,
// 鷺ヶ原); the dictionary reads it as the given name or the prefix ゲン, which names say only in
// words it knows whole (平原, 草原).
void field(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("原") || w.fixed || w.pronunciation != QStringLiteral("ゲン") ||
        i == 0 || NumeralWords::isNumber(words[i - 1]) || words[i - 1].surface.isEmpty())
        return;
    const QChar last = words[i - 1].surface.back();
    if (KanaText::isKanji(last) || QStringView(u"ヶケノの").contains(last))
        w.pronunciation = QStringLiteral("ハラ");
}

// A 丘 after a common noun of two kanji is the hill of that thing, joined to it by ガ as such
// names nearly always are (月見丘 ツキミガオカ, 桔梗丘 キキョウガオカ); the dictionary reads the
// two words side by side. After a single kanji or a name of its own the plain オカ is as
// common (松丘 マツオカ) and stays.
void hillOf(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("丘") || w.fixed || w.pronunciation != QStringLiteral("オカ") ||
        i == 0)
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos != QStringLiteral("名詞") || before.pos1 != QStringLiteral("一般") ||
        before.surface.size() != 2 || !KanaText::isKanji(before.surface[0]) ||
        !KanaText::isKanji(before.surface[1]))
        return;
    w.pronunciation = QStringLiteral("ガオカ");
}

// The suffix 間 after a noun that opens a name is the space of that place or thing, マ, as
// nearly every place so named says (鷺沢間, 桜間); the dictionary's カン is the span between two
// places, which needs a place before that one (鷺沢鳩山間, 鷺沢・鳩山間), or a count of time
// after a number (三日間).
void space(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("間") || w.fixed || w.pronunciation != QStringLiteral("カン") ||
        w.pos1 != QStringLiteral("接尾") || i == 0 || words[i - 1].pos != QStringLiteral("名詞") ||
        NumeralWords::isNumber(words[i - 1]))
        return;
    for (size_t k = 0; k + 1 < i; ++k)
        if (words[k].pos2 == QStringLiteral("地域") || words[k].pos == QStringLiteral("記号") ||
            words[k].surface == QStringLiteral("と") || words[k].surface == QStringLiteral("・"))
            return;
    w.pronunciation = QStringLiteral("マ");
}

// Kanji that mix freely with a Chinese reading beside them: the native parts places are made of
// (a 鳩野 ハトノ, a 鷺坊 サギボウ), the kinds a short name joins to a place's kanji (a 鷺大, a
// 鳩商), and the sides and prefixes that are words of their own (鷺駅東, 新鳩).
bool mixesFreely(const ReadWord& w, bool suffix = false) {
    static const QString parts = QStringLiteral(
        "田野埜瀬岡倉川山島沢谷原井木村町森林浦崎坂橋口宮石池尾江津浜方屋戸塚嶺峯峰岬又縄岩庭"
        "沼滝湊港磯岸淵潟洲堤畑畠堀溝窪坪丘根脇坊堂庄段壇蔵房寺院跡之乃");
    static const QString kinds = QStringLiteral("大工商高中小校台区局署宅店所園館駅線");
    static const QString sides = QStringLiteral("東西南北上下前後内外新旧元本");
    return parts.contains(w.surface) || kinds.contains(w.surface) || sides.contains(w.surface) ||
           w.pos1 == QStringLiteral("副詞可能") || (!suffix && w.pos1 == QStringLiteral("接尾")) ||
           NumeralWords::isNumber(w);
}

// Two kanji the dictionary knows no word of, read one in Chinese and one in native style, are
// a name coined in one style, and the kanji read in Chinese style, having no native reading
// that fits, says which: 慶華 ケイカ, not ケイハナ. A kanji said as one syllable is left to spell
// a name by its sound (a 鷺那 サギナ). A suffix after a kanji taken for a given name is
// the coined name's second kanji (a 睦道 read ムツミドウ).
bool mixedPair(ReadWords& words, size_t i, WordKnowledge& knows) {
    if (i + 1 >= words.size()) return false;
    ReadWord& a = words[i];
    ReadWord& b = words[i + 1];
    if (!isLoneKanji(a) || !isLoneKanji(b) || mixesFreely(a) || mixesFreely(b, a.givenName))
        return false;
    const Style sa = styleOf(a, knows), sb = styleOf(b, knows);
    ReadWord* native = nullptr;
    if (sa == Style::Chinese && sb == Style::Native) native = &b;
    // A native kanji before a Chinese one is as often a place's name before a word of its own
    // (鷺|彩館), unless the dictionary took it for a given name.
    if (sa == Style::Native && sb == Style::Chinese && a.givenName) native = &a;
    // With a third single kanji beside them the dictionary's cut says nothing of which two
    // belong together (鷺|鍼|灸, a place and a word that it split).
    if ((i > 0 && isLoneKanji(words[i - 1])) ||
        (i + 2 < words.size() && isLoneKanji(words[i + 2]) &&
         words[i + 2].pos1 != QStringLiteral("接尾")))
        return false;
    if (!native || a.pronunciation.size() < 2 || b.pronunciation.size() < 2) return false;
    if (!knows.dictionaryReadings(a.surface + b.surface).isEmpty()) return false;
    const QString on = knows.chineseReadings(native->surface).value(0);
    if (on.isEmpty()) return false;
    native->pronunciation = on;
    return true;
}

// 金 read as the Korean family name キム is no reading of a Japanese place: before a kanji in
// Chinese style it is キン, otherwise the カナ that opens most places so written (金鷺沢
// カナサギサワ). With a title after it, it is that family name.
void gold(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("金") || w.fixed || w.pronunciation != QStringLiteral("キム") ||
        titled(words, i))
        return;
    const bool chineseNext = i + 1 < words.size() && isLoneKanji(words[i + 1]) &&
                             styleOf(words[i + 1], knows) == Style::Chinese;
    w.pronunciation = chineseNext ? QStringLiteral("キン") : QStringLiteral("カナ");
}

// The dictionary reads a 日 it cuts out of an unknown name as Japan, ニチ; before a kanji read in
// native style it is the sun, ヒ, as in most places that open with it (日鷺 ヒサギ). Before a
// kanji in Chinese style the ニチ stays (a firm's 日-and-a-Chinese-word name).
void sunBeforeNative(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("日") || w.fixed || w.pronunciation != QStringLiteral("ニチ") ||
        i + 1 >= words.size() || (i > 0 && NumeralWords::isNumber(words[i - 1])))
        return;
    const ReadWord& next = words[i + 1];
    if (isLoneKanji(next) && styleOf(next, knows) == Style::Native)
        w.pronunciation = QStringLiteral("ヒ");
}

} // namespace

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 0; i < words.size(); ++i) {
        sunBeforeNo(words, i);
        inlet(words, i);
        inside(words, i);
        facing(words, i);
        newer(words, i, knows);
        partOfPlace(words, i, knows);
        field(words, i);
        hillOf(words, i);
        space(words, i);
    }
    for (size_t i = 0; i < words.size(); ++i) {
        gold(words, i, knows);
        closingInside(words, i, knows);
        sunBeforeNative(words, i, knows);
    }
    for (size_t i = 0; i < words.size(); ++i)
        if (mixedPair(words, i, knows)) ++i;
}

} // namespace LoneKanjiWords
