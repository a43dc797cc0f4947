// What the speech synthesiser is given for a bus's sentences: katakana with kanji read,
// particles as spoken, numbers as numbers and the override table applied.
#include "sound/Pronouncer.h"
#include "sound/NumberKana.h"
#include "sound/SpeechText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

} // namespace

TEST(Pronouncer, BusSentencesAreReadAsSpoken) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"次は、山鳩市役所前です。お降りの方はお知らせください。",
         "ツギワ、ヤマバトシヤクショマエデス。オオリノカタワオシラセクダサイ。"},
        {"このバスは若葉団地行きです。", "コノバスワワカバダンチユキデス。"},
        {"山鳩湖畔へ参ります。", "ヤマバトコハンエマイリマス。"},
        {"次は、本町一丁目です。", "ツギワ、ホンチョウイッチョウメデス。"},
        {"次は、奥山鳩温泉入口です。", "ツギワ、オクヤマバトオンセンイリグチデス。"},
        {"次は、川原橋です。", "ツギワ、カワラバシデス。"},
        {"病院へおいでの方はこちらでお降りください。",
         "ビョーインエオイデノカタワコチラデオオリクダサイ。"},
        {"整理券をお取りください。", "セイリケンヲオトリクダサイ。"},
        {"ﾊﾞｽが止まります！", "バスガトマリマス！"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, NumbersInEitherWidthAreReadAsNumbers) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"運賃は230円です。", "ウンチンワニヒャクサンジュウエンデス。"},
        {"運賃は２３０円です。", "ウンチンワニヒャクサンジュウエンデス。"},
        {"12系統", "ジュウニケイトー"},
        {"1丁目", "イッチョウメ"},
        {"１，０００円", "センエン"},
        {"0120", "ゼロイチニゼロ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, CharactersWithoutAReadingAreDropped) {
    EXPECT_EQ(pronouncer().toKana(QString::fromUtf16(u"\uFFFD次\u0001は\u3013。")),
              QStringLiteral("ツギワ。"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("★☆◆")), QString());
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("Thank you")), QStringLiteral("Thank you"));
}

TEST(Pronouncer, NoDictionaryNoPronouncer) {
    QTemporaryDir empty;
    EXPECT_EQ(Pronouncer::open({empty.path(), "/nonexistent/ipadic"}), nullptr);
    EXPECT_EQ(Pronouncer::open({}), nullptr);
}

TEST(NumberKana, ReadsWithTheSoundChangesOfHundredsAndThousands) {
    const struct {
        const char* digits;
        const char* kana;
    } cases[] = {
        {"0", "ゼロ"},
        {"7", "ナナ"},
        {"10", "ジュウ"},
        {"19", "ジュウキュウ"},
        {"300", "サンビャク"},
        {"680", "ロッピャクハチジュウ"},
        {"800", "ハッピャク"},
        {"1000", "セン"},
        {"3000", "サンゼン"},
        {"8400", "ハッセンヨンヒャク"},
        {"10000", "イチマン"},
        {"10000000", "イッセンマン"},
        {"100000001", "イチオクイチ"},
        {"007", "ゼロゼロナナ"},
        {"12345678901234567", "イチニサンヨンゴロクナナハチキュウゼロイチニサンヨンゴロクナナ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberKana::read(QString::fromUtf8(c.digits)), QString::fromUtf8(c.kana))
            << c.digits;
}

TEST(SpeechText, SplitsIntoSentencesAndBoundsLongOnes) {
    EXPECT_EQ(SpeechText::pieces(u"次は、市役所前です。お降りの方は？ はい！"),
              QStringList({"次は、市役所前です。", "お降りの方は？", "はい！"}));
    EXPECT_EQ(SpeechText::pieces(u"あいう、えおかき、くけ", 6),
              QStringList({"あいう、", "えおかき、", "くけ"}));
    EXPECT_EQ(SpeechText::pieces(u"あいうえおかきく", 3),
              QStringList({"あいう", "えおか", "きく"}));
    // A surrogate pair is never cut in two, even with room for one character only.
    const QString pairs = QString::fromUtf16(u"\U0002000B\U0002000B");
    EXPECT_EQ(SpeechText::pieces(pairs, 1).join(QString()), pairs);
    EXPECT_TRUE(SpeechText::pieces(u"  \n\n  ").isEmpty());
}
