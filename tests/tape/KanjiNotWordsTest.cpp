// Single kanji that the dictionary reads as no word of a name (a verb's bare stem, a reading only
// people's names use) take the readings names use.
#include "sound/KanjiNotWords.h"
#include "FakeKnowledge.h"
#include "sound/KanjiReadings.h"
#include "sound/Pronouncer.h"

#include <QHash>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

// A verb's stem as the dictionary cuts it out of a name.
ReadWord stem(const char* surface, const char* kana) {
    ReadWord w = word(surface, kana, "動詞", "自立");
    w.form = QStringLiteral("体言接続特殊２");
    w.conjugation = QStringLiteral("五段・ラ行");
    return w;
}

// A kanji the dictionary knows only as a person's given name.
ReadWord givenName(const char* surface, const char* kana) {
    ReadWord w = word(surface, kana, "名詞", "固有名詞");
    w.pos2 = QStringLiteral("人名");
    w.givenName = true;
    return w;
}

// Made-up readings of kanji in Chinese style and as native words.
QString read(ReadWords words) {
    FakeKnowledge knows;
    knows.chinese =
        FakeKnowledge::table("蟠=ハン 京=キョウ 都=ト 取=シュ 甫=ホ 寧=ネイ 恵=ケイ 鳩=キュウ");
    knows.native = FakeKnowledge::table("恵=メグミ 取=ト/トル/トリ 鳩=ハト");
    KanjiNotWords::apply(words, knows);
    return readings(words, u"|");
}

} // namespace

TEST(KanjiNotWords, AVerbsBareStemIsReadAsANameReadsIt) {
    // Beside a number or a word in Chinese style (its second kanji voiced), the kanji's
    // Chinese reading, for a short stem too.
    EXPECT_EQ(read({word("五", "ゴ", "名詞", "数"), stem("取", "ト")}), QStringLiteral("ゴ|シュ|"));
    EXPECT_EQ(read({stem("取", "ト"), word("京都", "キョウド")}), QStringLiteral("シュ|キョウド|"));
    // After a number ending in ン, its ハ row voiced; after another number or word, not.
    EXPECT_EQ(read({word("千", "セン", "名詞", "数"), stem("蟠", "ワダカマ")}),
              QStringLiteral("セン|バン|"));
    EXPECT_EQ(read({word("五", "ゴ", "名詞", "数"), stem("蟠", "ワダカマ")}),
              QStringLiteral("ゴ|ハン|"));
    EXPECT_EQ(read({word("蟠", "ハン"), stem("蟠", "ワダカマ")}), QStringLiteral("ハン|ハン|"));
    // Among native words, the noun a short stem makes; a long one's is a literary word. A
    // reading that only opens with the kanji's Chinese reading is a native word.
    EXPECT_EQ(read({word("鳩", "ハト"), stem("取", "ト"), word("沢", "サワ")}),
              QStringLiteral("ハト|トリ|サワ|"));
    EXPECT_EQ(read({word("京", "キョウコ"), stem("取", "ト")}), QStringLiteral("キョウコ|トリ|"));
    EXPECT_EQ(read({word("鳩", "ハト"), stem("蟠", "ワダカ")}), QStringLiteral("ハト|ハン|"));
    // Okurigana after it make it a verb of a sentence; other forms, other verbs and a
    // reading the user gave are left alone.
    EXPECT_EQ(read({stem("取", "ト"), word("ん", "ン", "助動詞", "*")}), QStringLiteral("ト|ン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), stem("取", "ト"), word("ル", "ル", "記号", "一般")}),
              QStringLiteral("サギ|ト|ル|"));
    ReadWord continuative = stem("取", "トリ");
    continuative.form = QStringLiteral("連用形");
    ReadWord otherVerb = stem("取", "ト");
    otherVerb.conjugation = QStringLiteral("カ変・クル");
    ReadWord fixed = stem("蟠", "ワダカマ");
    fixed.fixed = true;
    EXPECT_EQ(read({word("京", "キョウ"), continuative, otherVerb, fixed}),
              QStringLiteral("キョウ|トリ|ト|ワダカマ|"));
}

TEST(KanjiNotWords, ReadingsOnlyPeoplesNamesUseAreNoPlacesReadings) {
    EXPECT_EQ(read({word("鷺", "サギ"), givenName("甫", "ハジメ"), word("橋", "ハシ")}),
              QStringLiteral("サギ|ホ|ハシ|"));
    // Two given names side by side are one word in Chinese style, also where the reader
    // already gave one of them another word the dictionary has of it.
    ReadWord adjective = givenName("寧", "ヤス");
    adjective.pos = QStringLiteral("形容詞");
    adjective.pos2.clear();
    EXPECT_EQ(read({givenName("甫", "ハジメ"), adjective, word("橋", "ハシ")}),
              QStringLiteral("ホ|ネイ|ハシ|"));
    // A reading the kanji has outside names, or a Chinese one, stays; so does a name with a
    // title after it, and a kanji that is the whole text.
    EXPECT_EQ(read({givenName("恵", "メグミ"), word("沢", "サワ")}),
              QStringLiteral("メグミ|サワ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), givenName("寧", "ネー")}), QStringLiteral("サギ|ネー|"));
    ReadWords titled = {givenName("甫", "ハジメ"), givenName("寧", "ヤスシ"),
                        word("さん", "サン", "名詞", "接尾")};
    titled[2].pos2 = QStringLiteral("人名");
    EXPECT_EQ(read(titled), QStringLiteral("ハジメ|ヤスシ|サン|"));
    EXPECT_EQ(read({givenName("甫", "ハジメ")}), QStringLiteral("ハジメ|"));
    ReadWord family = word("鷺沢", "サギサワ", "名詞", "固有名詞");
    family.pos2 = QStringLiteral("人名");
    EXPECT_EQ(read({family, givenName("甫", "ハジメ"), word("館", "カン")}),
              QStringLiteral("サギサワ|ハジメ|カン|"));
    // A longer given name before it is no family name.
    EXPECT_EQ(read({givenName("鷺甫", "サギハジメ"), givenName("寧", "ヤスシ")}),
              QStringLiteral("サギハジメ|ネイ|"));
    // A temple's name is left to the temples' own readings.
    EXPECT_EQ(read({givenName("甫", "ハジメ"), givenName("寧", "ヤスシ"), word("寺", "ジ")}),
              QStringLiteral("ハジメ|ヤスシ|ジ|"));
}

TEST(KanjiReadings, KunReadingsAsWordsLeaveNamesOut) {
    const QString text = QStringLiteral("煉 4e2c U7149 レン ね.る T1 ねり\n"
                                        "向 3e78 U5411 コウ む.く むか.い むこう {facing}\n");
    const QHash<QString, KanjiReadings::Kinds> kinds =
        KanjiReadings::parseKinds(QStringEncoder("EUC-JP").encode(text));
    EXPECT_EQ(kinds.value(QStringLiteral("煉")).words,
              (QStringList{QStringLiteral("ネ"), QStringLiteral("ネル"), QStringLiteral("ネリ")}));
    // The names' reading is still a native reading, only not a word.
    EXPECT_TRUE(kinds.value(QStringLiteral("煉")).kun.contains(QStringLiteral("ネリ")));
    EXPECT_EQ(
        kinds.value(QStringLiteral("向")).words,
        (QStringList{QStringLiteral("ム"), QStringLiteral("ムク"), QStringLiteral("ムキ"),
                     QStringLiteral("ムカ"), QStringLiteral("ムカイ"), QStringLiteral("ムコウ")}));
}

TEST(Pronouncer, ReadsNoBareStemNorPeoplesNameInAName) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    if (KanjiReadings::defaultPath().isEmpty()) GTEST_SKIP() << "no KANJIDIC";
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    EXPECT_EQ(p->toKana(QStringLiteral("千蟠前")), QStringLiteral("センバンマエ"));
    EXPECT_EQ(p->toKana(QStringLiteral("次は鳩取沢です")),
              QStringLiteral("ツギワハトトリサワデス"));
    EXPECT_EQ(p->toKana(QStringLiteral("甫坦橋")), QStringLiteral("ホタンバシ"));
    // Inside a word the dictionary does not know, read kanji by kanji, too.
    EXPECT_EQ(p->toKana(QStringLiteral("嚶甫亭")), QStringLiteral("オウホテイ"));
    EXPECT_EQ(p->toKana(QStringLiteral("鷺嚶葬")), QStringLiteral("サギオウソウ"));
    // A kanji the dictionary takes for a given name but also knows as a place keeps the place's
    // reading (豊 ユタカ, not the Chinese ホウ).
    EXPECT_EQ(p->toKana(QStringLiteral("嚶豊亭")), QStringLiteral("オウユタカテイ"));
    // A verb's noun beside a kanji in Chinese style is a coined word's Chinese reading.
    EXPECT_EQ(p->toKana(QStringLiteral("泰煉")), QStringLiteral("タイレン"));
    // Readings names hardly use, also where the dictionary writes a long vowel as ー (興 キョー).
    EXPECT_EQ(p->toKana(QStringLiteral("鷺志前")), QStringLiteral("サギシマエ"));
    EXPECT_EQ(p->toKana(QStringLiteral("鷺興前")), QStringLiteral("サギコウマエ"));
    // A lake after its name; the word stays after の.
    EXPECT_EQ(p->toKana(QStringLiteral("鷺沢湖前")), QStringLiteral("サギサワコマエ"));
    EXPECT_EQ(p->toKana(QStringLiteral("鷺の湖")), QStringLiteral("サギノミズウミ"));
    // So does a village; after の it is the native word.
    EXPECT_EQ(p->toKana(QStringLiteral("鷺ヶ郷")), QStringLiteral("サギガゴウ"));
    EXPECT_EQ(p->toKana(QStringLiteral("鷺の郷")), QStringLiteral("サギノサト"));
    // A family name's reading that no place says.
    EXPECT_EQ(p->toKana(QStringLiteral("和鳩前")), QStringLiteral("ワハトマエ"));
    // A ヶ written large after kana is still the particle of a place's name.
    EXPECT_EQ(p->toKana(QStringLiteral("すずらんケ丘")), QStringLiteral("スズランガオカ"));
    // A verb with its okurigana is still one.
    EXPECT_EQ(p->toKana(QStringLiteral("取らん")), QStringLiteral("トラン"));
}
