// Temples' names read in the Chinese style of Buddhist words, and kana inside names read as
// syllables, never as the particle.
#include "sound/TempleNames.h"
#include "FakeKnowledge.h"
#include "sound/KanjiReadings.h"
#include "sound/Pronouncer.h"

#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

QString read(ReadWords words, WordKnowledge& knows) {
    TempleNames::apply(words, knows);
    return readings(words);
}

} // namespace

TEST(TempleNames, TakesTheOlderReadingWhereBuddhistNamesKeepIt) {
    const QStringList bright = {QStringLiteral("メイ"), QStringLiteral("ミョウ")};
    EXPECT_EQ(TempleNames::buddhistReading(u"明", bright), QStringLiteral("ミョウ"));
    // Only a reading the kanji has; otherwise, and for other kanji, the first.
    EXPECT_EQ(TempleNames::buddhistReading(u"明", {QStringLiteral("メイ")}),
              QStringLiteral("メイ"));
    EXPECT_EQ(TempleNames::buddhistReading(u"鷺", bright), QStringLiteral("メイ"));
    EXPECT_EQ(TempleNames::buddhistReading(u"明", {}), QString());
}

TEST(TempleNames, RereadsATemplesNameReadAsAPlace) {
    // A made-up dictionary: 鷺 ロ, 鳩 ケン, 星 セイ/ショウ, 谷 コク, 居 キョ/コ; it knows 鷺居 as
    // ロキョ and ロゴ in Chinese style, and 鷺谷 in a native reading only.
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table("鷺居=サギイ/ロキョ/ロゴ 鷺谷=サギタニ");
    knows.chinese = FakeKnowledge::table("鷺=ロ 星=セイ/ショウ 谷=コク 居=キョ/コ 鳩=ケン");
    // One word read natively; two single kanji; the dictionary's Chinese reading that keeps the
    // older one.
    EXPECT_EQ(read({word("鷺谷", "サギタニ"), word("寺", "ジ")}, knows),
              QStringLiteral("ロコクジ"));
    EXPECT_EQ(read({word("星", "ホシ"), word("谷", "タニ"), word("寺前", "ジマエ")}, knows),
              QStringLiteral("ショウコクジマエ"));
    EXPECT_EQ(read({word("鷺居", "サギイ"), word("寺", "ジ")}, knows), QStringLiteral("ロゴジ"));
    // A prefix joined to the name keeps its native reading; the kanji before a 寺 the
    // dictionary joined to its neighbour take theirs (ン before ホ makes it ポ).
    EXPECT_EQ(read({word("北星", "キタボシ"), word("谷", "タニ"), word("寺", "ジ")}, knows),
              QStringLiteral("キタショウコクジ"));
    EXPECT_EQ(read({word("星", "ホシ"), word("谷寺", "タニデラ")}, knows),
              QStringLiteral("ショウコクジ"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("本寺", "ホンジ")}, knows),
              QStringLiteral("ケンポンジ"));
    // Left alone: a reading in Chinese style already (its long vowels spelt out), a word the
    // user fixed, a prefix before a joined 寺, a 寺 still read テラ, a name of one kanji.
    EXPECT_EQ(read({word("星谷", "セーコク"), word("寺", "ジ")}, knows),
              QStringLiteral("セイコクジ"));
    ReadWord fixed = word("鷺谷", "サギタニ");
    fixed.fixed = true;
    EXPECT_EQ(read({fixed, word("寺", "ジ")}, knows), QStringLiteral("サギタニジ"));
    EXPECT_EQ(read({word("北", "キタ"), word("本寺", "ホンジ")}, knows),
              QStringLiteral("キタホンジ"));
    EXPECT_EQ(read({word("鷺谷", "サギタニ"), word("寺", "テラ")}, knows),
              QStringLiteral("サギタニテラ"));
    EXPECT_EQ(read({word("谷", "タニ"), word("寺", "ジ")}, knows), QStringLiteral("タニジ"));
}

TEST(Pronouncer, ReadsTemplesAndKanaInNames) {
    if (KanjiReadings::defaultPath().isEmpty()) GTEST_SKIP() << "kanjidic";
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        // A temple's kanji in their older readings, not a word's or a place's.
        {"鷺正寺", "ロショウジ"},
        {"鳩明寺前", "キュウミョウジマエ"},
        {"星川寺", "ショウセンジ"},
        {"鷺泉寺", "ロセンジ"},
        // A kanji of the name written in kana; a nickname, a particle, a prefix before 寺.
        {"鷺でん寺", "サギデンジ"},
        {"あじさい寺", "アジサイテラ"},
        {"山の寺", "ヤマノテラ"},
        {"お寺", "オテラ"},
        // A hall's name the dictionary took for a person's is its word in Chinese style;
        // a family's name before it stays.
        {"正方堂前", "セイホウドーマエ"},
        {"中村堂", "ナカムラドー"},
        // 下 below a building is シタ, not the カ of a rule's reach (管理下).
        {"鷺会館下広場", "サギカイカンシタヒロバ"},
        {"鷺管理下広場", "サギカンリカヒロバ"},
        // Nor is 古 the literary イニシエ, nor 彩 the noun イロドリ.
        {"鷺古", "サギコ"},
        {"鷺彩館", "サギサイカン"},
        // 大 before a native word in katakana is オオ, before a loanword ダイ.
        {"鷺大スギ前", "サギオオスギマエ"},
        {"鷺大ホール前", "サギダイホールマエ"},
        // A place's pottery is ヤキ.
        {"鷺沢焼", "サギサワヤキ"},
        // は inside a name's kana is the syllable; the particle of a sentence stays ワ.
        {"次はこどもはうす前です", "ツギワコドモハウスマエデス"},
        {"まんばいはな前", "マンバイハナマエ"},
        {"ひまわりはーと", "ヒマワリハート"},
        {"次は、はらっぱです", "ツギワ、ハラッパデス"},
        {"ひばりはし前", "ヒバリハシマエ"},
        {"次はふたばはいつ前です", "ツギワフタバハイツマエデス"},
        {"バスはいつ来ますか", "バスワイツキマスカ"},
        {"次はうすい橋です", "ツギワウスイハシデス"},
        {"次はいつですか", "ツギワイツデスカ"},
        {"では、お忘れ物のないようにご注意ください",
         "デワ、オワスレモノノナイヨーニゴチューイクダサイ"},
        {"こんにちは", "コンニチワ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}
