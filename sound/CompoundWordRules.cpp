#include "sound/CompoundWordRules.h"

#include "sound/KanaText.h"
#include "sound/KanjiReadings.h"
#include "sound/NumeralWords.h"
#include "sound/PlaceNames.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace CompoundWordRules {

bool isNoun(const ReadWord& w) {
    return w.pos == QStringLiteral("名詞") || w.pos == QStringLiteral("接頭詞");
}

namespace {

// Two kanji that the dictionary knows only as a given name (no other word is written so),
// followed by a word in kana (a loanword or a native word: ホール, ふれあい館), are a word coined
// for a facility, read in Chinese style as such words are: 幸美ホール コウビホール, not a person
// ユキミ. Alone, or with a title after them, they may well be a person's name; before a word in
// kanji they are as often a place's own name in native readings (義経沢 ヨシツネサワ) or a person's
// that a place was named for, and are left as they are too.
void givenNameInCompound(const ReadWords& words, size_t i, ReadWord& w, WordKnowledge& knows) {
    if (!w.givenName || w.pos2 != QStringLiteral("人名") || i + 1 >= words.size() ||
        w.surface.size() != 2 || !KanaText::allKanji(w.surface))
        return;
    const QString& next = words[i + 1].surface;
    if (next.isEmpty() || !(KanaText::isHiragana(next[0]) || KanaText::isKatakana(next[0]))) return;
    // A title after it (さん, 様, 君) says it is a person after all.
    if (words[i + 1].pos1 == QStringLiteral("接尾") && words[i + 1].pos2 == QStringLiteral("人名"))
        return;
    // So does a name of two or more kanji before it: a family name and the given name, a person
    // whose grave, monument or house the place is (鷺山幸美碑 サギヤマユキミヒ). The dictionary
    // may well have read the family name as a place of the lists, so any proper noun counts.
    if (i > 0) {
        const ReadWord& before = words[i - 1];
        if (before.pos1 == QStringLiteral("固有名詞") && before.surface.size() >= 2 &&
            KanaText::allKanji(before.surface))
            return;
    }
    const QString first = knows.chineseReadings(QStringView(w.surface).left(1)).value(0);
    const QString second = knows.chineseReadings(QStringView(w.surface).mid(1)).value(0);
    if (!first.isEmpty() && !second.isEmpty()) w.pronunciation = first + second;
}

// Readings of a word that the dictionary gives but no name uses: the archaic arbour チン of 亭
// (鷺亭 an inn, テイ), the rearguard シンガリ of 殿 (the lord's, トノ), and the stem フル of the
// adjective 旧い where 旧 stands alone before a name (旧鷺沢, the former one, キュウ), and the
// literary bygone days イニシエ of 古, which names say コ (鷺古 サギコ), and the noun イロドリ
// that the verb 彩る makes, where names say 彩 サイ (鷺彩館 サギサイカン), and the ゲン of 彦
// that KANJIDIC lists first, where names say ヒコ (鷺彦 サギヒコ), and the family names セラ of 瀬
// and カズ of 和, where places say セ and ワ (鷺瀬 サギセ, 和鷺 ワサギ), and the word ココロザシ of
// 志, which names say シ (鷺志 サギシ). Below them, the readings the dictionary gives a kanji it
// finds alone in a name that the place lists hardly ever use, each beside the one they use
// nearly always (鷺峡 サギキョウ, 鷺台 サギダイ, 鷺甲 サギコウ, 鷺樋 サギヒ, 鷺興 サギコウ).
const Misreading NoNamesReading[] = {
    {u"亭", u"チン", u"テイ"},     {u"殿", u"シンガリ", u"トノ"}, {u"旧", u"フル", u"キュウ"},
    {u"古", u"イニシエ", u"コ"},   {u"彩", u"イロドリ", u"サイ"}, {u"彦", u"ゲン", u"ヒコ"},
    {u"瀬", u"セラ", u"セ"},       {u"和", u"カズ", u"ワ"},       {u"志", u"ココロザシ", u"シ"},
    {u"呂", u"リョ", u"ロ"},       {u"峡", u"カイ", u"キョウ"},   {u"切", u"セツ", u"キリ"},
    {u"辺", u"アタリ", u"ベ"},     {u"台", u"タイ", u"ダイ"},     {u"甲", u"カブト", u"コウ"},
    {u"居", u"キョ", u"イ"},       {u"曲", u"キョク", u"マガリ"}, {u"源", u"ミナモト", u"ゲン"},
    {u"魚", u"サカナ", u"ウオ"},   {u"飯", u"メシ", u"イイ"},     {u"之", u"コレ", u"ノ"},
    {u"丁", u"ヒノト", u"チョウ"}, {u"床", u"ユカ", u"トコ"},     {u"楠", u"クスノキ", u"クス"},
    {u"葛", u"カズラ", u"クズ"},   {u"樋", u"トイ", u"ヒ"},       {u"唐", u"トウ", u"カラ"},
    {u"仁", u"ジン", u"ニ"},       {u"納", u"オサメ", u"ノウ"},   {u"琴", u"キン", u"コト"},
    {u"張", u"チョウ", u"ハリ"},   {u"興", u"キョウ", u"コウ"},   {u"吉", u"キチ", u"ヨシ"},
    {u"弥", u"ワタル", u"ヤ"},     {u"網", u"モウ", u"アミ"},     {u"尊", u"ミコト", u"ソン"},
    {u"助", u"ジョ", u"スケ"},     {u"経", u"ケイ", u"キョウ"},   {u"叢", u"クサムラ", u"ソウ"},
    {u"笠", u"リュウ", u"カサ"},   {u"公", u"オーヤケ", u"コウ"}, {u"砥", u"トギ", u"ト"},
    {u"吾", u"ワレ", u"ゴ"},       {u"盛", u"サカリ", u"モリ"},   {u"印", u"シルシ", u"イン"},
    {u"銭", u"セン", u"ゼニ"},     {u"鴻", u"オートリ", u"コウ"}, {u"丈", u"タケ", u"ジョウ"},
    {u"我", u"ワガ", u"ガ"},       {u"権", u"ケン", u"ゴン"},     {u"祝", u"シュク", u"イワイ"},
    {u"碑", u"イシブミ", u"ヒ"},   {u"宜", u"ムベ", u"ギ"},       {u"綿", u"メン", u"ワタ"},
    {u"投", u"トウ", u"ナゲ"},     {u"柚", u"ユズ", u"ユ"},       {u"雌", u"メス", u"メ"},
    {u"檀", u"マユミ", u"ダン"},   {u"幽", u"カソケ", u"ユウ"},   {u"萬", u"ヨロズ", u"マン"},
    {u"反", u"ハン", u"タン"}};

void noNamesReading(ReadWord& w) {
    for (const Misreading& m : NoNamesReading)
        // The dictionary writes a closing long vowel as ー (キョウ キョー).
        if (w.surface == QStringView(m.surface) &&
            (w.pronunciation == QStringView(m.misread) ||
             w.pronunciation == KanaText::withLongVowelMark(QString::fromUtf16(m.misread))))
            w.pronunciation = QString::fromUtf16(m.reading);
}

// A shop after the name of its chain or its goods is a 店 said テン (鷺屋たまご店, 鳩田店); the
// word ミセ stands alone or after お.
void shop(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("店") || w.pronunciation != QStringLiteral("ミセ"))
        return;
    const ReadWord& before = words[i - 1];
    if (!isNoun(before) || before.surface == QStringLiteral("お") ||
        before.surface == QStringLiteral("御"))
        return;
    w.pronunciation = QStringLiteral("テン");
}

// A lake or a village after its name is the Chinese 湖 コ or 郷 ゴウ (鷺沢湖 サギサワコ, 鷺沢郷
// サギサワゴウ), as nearly all places so named say them; the native words ミズウミ and サト stand
// alone or after の (鷺の湖, 鷺の郷, 鷺之郷).
const Misreading NativeWordAfterName[] = {{u"湖", u"ミズウミ", u"コ"}, {u"郷", u"サト", u"ゴウ"}};

void afterName(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0) return;
    const ReadWord& before = words[i - 1];
    if (before.surface.isEmpty() || before.pos == QStringLiteral("助詞") ||
        before.pos == QStringLiteral("記号") || before.surface == QStringLiteral("の") ||
        before.surface == QStringLiteral("ノ") || before.surface == QStringLiteral("之"))
        return;
    for (const Misreading& m : NativeWordAfterName)
        if (w.surface == QStringView(m.surface) && w.pronunciation == QStringView(m.misread))
            w.pronunciation = QString::fromUtf16(m.reading);
}

// A road station, 道の駅, is a 道 said ミチ, also after a name the dictionary made 道 a suffix of
// (鷺公園道の駅, not the ドウ of 柔道).
void roadStation(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface != QStringLiteral("道") || !w.pronunciation.startsWith(QStringLiteral("ド")) ||
        i + 2 >= words.size() || words[i + 1].surface != QStringLiteral("の") ||
        !words[i + 2].surface.startsWith(u'駅'))
        return;
    w.pronunciation = QStringLiteral("ミチ");
}

// A name that opens with 上 or 下 before a suffix (下電, the lower line's railway) names the
// upper or lower part, カミ or シモ, not above or below (ウエ, シタ), which follow a word.
void openingPosition(const ReadWords& words, size_t i, ReadWord& w) {
    if (i != 0 || words.size() < 2 || words[1].pos1 != QStringLiteral("接尾") ||
        words[1].surface.isEmpty() || !KanaText::isKanji(words[1].surface.front()))
        return;
    if (w.surface == QStringLiteral("下") && w.pronunciation == QStringLiteral("シタ"))
        w.pronunciation = QStringLiteral("シモ");
    else if (w.surface == QStringLiteral("上") && w.pronunciation == QStringLiteral("ウエ"))
        w.pronunciation = QStringLiteral("カミ");
}

// A university is shortened to one kanji of its name and 大 (鷺大, 鳩商大), or to the common
// noun of what it teaches and 大 (福祉大, 教育大), and the stop or the station is named for its
// front, entrance or gate: after such a word 大 is ダイ, though the place list has names that
// start with 大 said オオ (大前, 大前駅, 大入口, 大南). Kanji that open place names (東大南,
// 新大前) are left to those.
void university(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'大') ||
        !w.pronunciation.startsWith(QStringLiteral("オオ")))
        return;
    static const QStringList sides = {
        QStringLiteral("前"), QStringLiteral("入口"), QStringLiteral("口"),
        QStringLiteral("東"), QStringLiteral("西"),   QStringLiteral("南"),
        QStringLiteral("北"), QStringLiteral("正門"), QStringLiteral("前駅")};
    if (!sides.contains(w.surface.mid(1))) return;
    const ReadWord& before = words[i - 1];
    if (before.fixed || !KanaText::allKanji(before.surface)) return;
    const bool subject =
        before.surface.size() >= 2 && before.pos == QStringLiteral("名詞") &&
        (before.pos1 == QStringLiteral("一般") || before.pos1 == QStringLiteral("サ変接続"));
    if (!subject && (before.surface.size() != 1 ||
                     QStringView(u"東西南北上下中新旧元本大小").contains(before.surface[0]) ||
                     NumeralWords::isNumber(before)))
        return;
    w.pronunciation.replace(0, 2, QStringLiteral("ダイ"));
}

// A firm's short name of a direction or 中 and one kanji of its trade, electricity 電 or a bank
// 銀 (鷺電, 中銀), reads the direction in Chinese style as the firm's full name does: ホク, チュウ,
// not the キタ, ナカ of a place.
void firmsShortName(const ReadWords& words, size_t i, ReadWord& w) {
    if (i + 1 >= words.size() || (i > 0 && isNoun(words[i - 1]))) return;
    const QString& trade = words[i + 1].surface;
    if (trade != QStringLiteral("電") && trade != QStringLiteral("銀")) return;
    static const char16_t* const Chinese[][2] = {
        {u"東", u"トウ"}, {u"西", u"セイ"}, {u"南", u"ナン"}, {u"北", u"ホク"}, {u"中", u"チュウ"}};
    for (const auto& c : Chinese)
        if (w.surface == QStringView(c[0])) w.pronunciation = QString::fromUtf16(c[1]);
}

// A shrine: 神 and 社 together are 神社, ジンジャ, also where the dictionary split them between
// two words of the place list (鷺野神 | 社前, 鳩明神 | 社); after the name of a god or a shrine
// 社 alone is シャ (鳩八幡社口), not the native ヤシロ that a listed place starting with it has.
void shrine(ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || !w.surface.startsWith(u'社')) return;
    ReadWord& before = words[i - 1];
    if (before.fixed || before.surface.isEmpty() || !KanaText::isKanji(before.surface.back()) ||
        !isNoun(before))
        return;
    QString& p = w.pronunciation;
    const qsizetype head = p.startsWith(QStringLiteral("ヤシロ")) ? 3
                           : p.startsWith(QStringLiteral("シャ")) ? 2
                                                                  : 0;
    if (head == 0) return;
    if (before.surface.endsWith(u'神')) {
        QString& b = before.pronunciation;
        for (const QString god : {QStringLiteral("カミ"), QStringLiteral("ガミ"),
                                  QStringLiteral("シン"), QStringLiteral("ジン")})
            if (b.endsWith(god)) {
                b.replace(b.size() - god.size(), god.size(), QStringLiteral("ジン"));
                p.replace(0, head, QStringLiteral("ジャ"));
                return;
            }
        return;
    }
    if (head == 3) p.replace(0, 3, QStringLiteral("シャ"));
}

// Acupuncture and moxibustion, 鍼灸 or 針灸, is シンキュウ; the dictionary lacks the word and reads
// the moxa alone ヤイト and the needle alone ハリ.
void acupuncture(ReadWords& words, size_t i, ReadWord& w) {
    QString& p = w.pronunciation;
    if (!w.surface.endsWith(u'灸') || !p.endsWith(QStringLiteral("ヤイト"))) return;
    const bool needleBefore =
        w.surface.size() >= 2 &&
        (w.surface.endsWith(QStringLiteral("鍼灸")) || w.surface.endsWith(QStringLiteral("針灸")));
    ReadWord* needle = nullptr;
    if (w.surface == QStringLiteral("灸") && i > 0 && !words[i - 1].fixed &&
        (words[i - 1].surface == QStringLiteral("鍼") ||
         words[i - 1].surface == QStringLiteral("針")))
        needle = &words[i - 1];
    if (!needleBefore && !needle) return;
    p.replace(p.size() - 3, 3, QStringLiteral("キュウ"));
    if (needle) needle->pronunciation = QStringLiteral("シン");
}

// A ground, 場, after a place's name read in native style is バ (鳩沢場 ハトサワバ), as native
// words take it (広場, 酒場); the suffix ジョウ goes with words in Chinese style (浄水場, 球場).
void ground(const ReadWords& words, size_t i, ReadWord& w, WordKnowledge& knows) {
    if (i == 0 || w.surface != QStringLiteral("場") ||
        !w.pronunciation.startsWith(QStringLiteral("ジョ")))
        return;
    const ReadWord& before = words[i - 1];
    if (before.pos1 != QStringLiteral("固有名詞") || before.surface.size() != 2 ||
        !KanaText::allKanji(before.surface))
        return;
    // The name's own kanji by their native readings alone.
    QHash<QString, KanjiReadings::Kinds> native;
    for (qsizetype k = 0; k < 2; ++k) {
        const QString kanji = before.surface.mid(k, 1);
        native.insert(kanji, {{}, knows.nativeReadings(kanji)});
    }
    if (PlaceNames::readsInOneStyle(before.surface, before.pronunciation, native))
        w.pronunciation = QStringLiteral("バ");
}

// The suffix 家 after a family's or a place's name is the house of that family (鷺沢家 サギサワケ,
// a listed old house); the dictionary's カ is that of a trade after a common noun (音楽家).
void family(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("家") || w.pos1 != QStringLiteral("接尾") ||
        w.pronunciation != QStringLiteral("カ"))
        return;
    if (words[i - 1].pos1 == QStringLiteral("固有名詞")) w.pronunciation = QStringLiteral("ケ");
}

// A 停 the dictionary took for the stem of 停まる (トマ) with no kana after it is the stop of a
// name (鷺電停前, the tram stop: デンテイ); the verb is written with its ending.
void stop(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface != QStringLiteral("停") || w.pos != QStringLiteral("動詞")) return;
    if (i + 1 < words.size() && !words[i + 1].surface.isEmpty() &&
        KanaText::isHiragana(words[i + 1].surface.front()))
        return;
    w.pronunciation = QStringLiteral("テイ");
}

// 女子 before a school is the girls' school's ジョシ, whatever place the list knows so written.
void girlsSchool(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface != QStringLiteral("女子") || i + 1 >= words.size() ||
        w.pronunciation == QStringLiteral("ジョシ"))
        return;
    static const QStringList schools = {
        QStringLiteral("中学"), QStringLiteral("高校"), QStringLiteral("高等"),
        QStringLiteral("大学"), QStringLiteral("短期"), QStringLiteral("短大"),
        QStringLiteral("学園"), QStringLiteral("学院"), QStringLiteral("校")};
    for (const QString& school : schools)
        if (words[i + 1].surface.startsWith(school)) {
            w.pronunciation = QStringLiteral("ジョシ");
            return;
        }
}

// A fork of roads (三叉路, 六叉路) is サロ whatever the count before it; the dictionary knows only
// the three-way one whole and reads a lone 叉 as the crotch マタ.
void forkedRoad(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface == QStringLiteral("叉") && w.pronunciation == QStringLiteral("マタ") &&
        i + 1 < words.size() && words[i + 1].surface.startsWith(u'路'))
        w.pronunciation = QStringLiteral("サ");
}

// 焼 after a name is its pottery, ヤキ (鷺沢焼 サギサワヤキ), not the suffix ショウ of houses
// burnt down, which follows a count.
void ware(const ReadWords& words, size_t i, ReadWord& w) {
    if (i == 0 || w.surface != QStringLiteral("焼") || w.pos1 != QStringLiteral("接尾") ||
        !w.pronunciation.startsWith(QStringLiteral("ショ")))
        return;
    if (isNoun(words[i - 1]) && !NumeralWords::isNumber(words[i - 1]))
        w.pronunciation = QStringLiteral("ヤキ");
}

// The prefix 大 before a native word written in katakana is オオ, as before the word in kana
// or kanji (鷺大スギ オオスギ, a great cedar); before a loanword it stays ダイ (大ホール).
void greatTree(const ReadWords& words, size_t i, ReadWord& w) {
    if (w.surface != QStringLiteral("大") || w.pos != QStringLiteral("接頭詞") ||
        w.pronunciation != QStringLiteral("ダイ") || i + 1 >= words.size())
        return;
    const QString& next = words[i + 1].surface;
    if (next.size() >= 2 && std::all_of(next.begin(), next.end(), KanaText::isKatakana) &&
        KanjiReadings::isJapaneseReading(next))
        w.pronunciation = QStringLiteral("オオ");
}

} // namespace

void apply(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (w.fixed) return;
    givenNameInCompound(words, i, w, knows);
    noNamesReading(w);
    shop(words, i, w);
    afterName(words, i, w);
    roadStation(words, i, w);
    openingPosition(words, i, w);
    university(words, i, w);
    firmsShortName(words, i, w);
    shrine(words, i, w);
    acupuncture(words, i, w);
    ground(words, i, w, knows);
    family(words, i, w);
    stop(words, i, w);
    girlsSchool(words, i, w);
    forkedRoad(words, i, w);
    greatTree(words, i, w);
    ware(words, i, w);
}

} // namespace CompoundWordRules
