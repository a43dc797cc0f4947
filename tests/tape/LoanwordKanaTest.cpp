// English words said as the loanword the dictionary writes in katakana, when one is near their
// English sound. The words and tables are made up, so that the choice, not a dictionary, is
// what is checked.
#include "sound/LoanwordKana.h"
#include "sound/EnglishWords.h"
#include "sound/EspeakVoice.h"
#include "sound/NounReadings.h"
#include "sound/Pronouncer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A dictionary of made-up loanwords and their costs.
LoanwordKana::NounCost nouns(QHash<QString, int> costs) {
    return [costs](const QString& kana) -> std::optional<int> {
        const auto it = costs.constFind(kana);
        if (it == costs.cend()) return std::nullopt;
        return *it;
    };
}

std::string choose(const char* phonemes, const char* spelling, QHash<QString, int> costs) {
    return LoanwordKana::choose(QString::fromUtf8(phonemes), QString::fromUtf8(spelling),
                                nouns(std::move(costs)))
        .toStdString();
}

struct Phonemes : EnglishWords::Phonemiser {
    int asked = 0;
    QString phonemes(const QString&) override {
        ++asked;
        return QStringLiteral("plˈeɪdiəm");
    }
};

} // namespace

TEST(LoanwordKana, SaysTheRenderingTheDictionaryKnowsWithTheFewestChanges) {
    // The phonemes' rendering, プレーディアム, is not a noun; the one written as spelled is.
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {{"プラジアム", 4000}}), "プラジアム");
    // The vowel as the spelling has it, not the British one; the glide of a final eɪ dropped.
    EXPECT_EQ(choose("ɡˈɒlɪdʒ", "Gollege", {{"ガレッジ", 4000}}), "ガレッジ");
    EXPECT_EQ(choose("brˈafeɪ", "Brafe", {{"ブラフェ", 4000}}), "ブラフェ");
    // A vowel change at one of its places alone (ブレデア changes both iː).
    EXPECT_EQ(choose("blˈiːdiːə", "Bledia", {{"ブレディア", 4000}}), "ブレディア");
    EXPECT_EQ(choose("blˈʌntiə", "Blontier", {{"ブロンティア", 4000}}), "ブロンティア");
    // A reduced vowel said as heard rather than as written (ブリッチェン).
    EXPECT_EQ(choose("blˈɪtʃɪn", "Blitchen", {{"ブリッチン", 4000}}), "ブリッチン");
    // A held consonant and a dropped long vowel.
    EXPECT_EQ(choose("flˈaʃən", "Flashon", {{"フラッション", 4000}}), "フラッション");
    EXPECT_EQ(choose("trˈəʊst", "Trost", {{"トロスト", 4000}}), "トロスト");
    // Of two known renderings, the one with fewer changes, then the commoner.
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {{"プラジアム", 3000}, {"プラディアム", 5000}}),
              "プラディアム");
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {{"プラディアム", 5000}, {"プレージアム", 3000}}),
              "プレージアム");
}

TEST(LoanwordKana, KeepsThePhonemesRenderingWhenItIsKnownOrNothingNearIs) {
    // Known as heard: no cheaper rendering nearby replaces it.
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {{"プレーディアム", 9000}, {"プラジアム", 100}}),
              "プレーディアム");
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {}), "プレーディアム");
    // Three changes away is another word, not this one's loanword.
    EXPECT_EQ(choose("plˈeɪdiəm", "Pladium", {{"プラッジアム", 100}}), "プレーディアム");
    // A changed rendering this short is as often a Japanese word.
    EXPECT_EQ(choose("dˈiː", "Dee", {{"ジー", 100}}), "ディー");
    EXPECT_EQ(LoanwordKana::choose(u"plˈeɪdiəm", u"Pladium", nullptr).toStdString(),
              "プレーディアム");
}

TEST(LoanwordKana, ChangesTheKanaOnlyWhereTheChangeCanBe) {
    const QStringList variants = LoanwordKana::kanaVariants(QStringLiteral("ランクト"));
    EXPECT_TRUE(variants.contains("ランクツ"));    // a final ト
    EXPECT_FALSE(variants.contains("ランキト"));   // ク → キ at the end only
    EXPECT_FALSE(variants.contains("ランックト")); // nothing held after ン
    EXPECT_TRUE(variants.contains("ランクット"));
    // A long o shortened and a consonant held from the second kana on; a ズ before a long vowel
    // is no ス.
    const QStringList first = LoanwordKana::kanaVariants(QStringLiteral("ポーズー"));
    EXPECT_TRUE(first.contains("ポズー"));
    EXPECT_FALSE(first.contains("ポースー"));
    // Each place on its own, so one change is one.
    EXPECT_EQ(LoanwordKana::kanaVariants(QStringLiteral("ディディ")).count("ジディ"), 1);
    EXPECT_TRUE(LoanwordKana::kanaVariants(QStringLiteral("ディディ")).contains("ディジ"));
    // The ɪ of a diphthong is no reduced vowel to change.
    for (const QString& v : LoanwordKana::vowelVariants(u"bˈaɪtɪs"))
        EXPECT_TRUE(v.contains(u"aɪ")) << v.toStdString();
    // Nor is the ɪ of ɪə; the vowels said as written change together.
    EXPECT_FALSE(LoanwordKana::vowelVariants(u"blˈɪəm").contains(u"blˈɛəm"));
    EXPECT_TRUE(LoanwordKana::vowelVariants(u"blˈeəriəm").contains(u"blˈariʊm"));
}

TEST(NounReadings, TheLoanwordTableHoldsTheNounsWrittenInKatakana) {
    NounReadings::Costs costs;
    NounReadings::addLoanwords(
        QStringLiteral("ブラフェ,1,1,3677,名詞,一般,*,*,*,*,ブラフェ,ブラフェ,ブラフェ\n"
                       "喫茶,1,1,3000,名詞,一般,*,*,*,*,喫茶,キッサ,キッサ\n"
                       "ブラフェ,1,1,3000,名詞,サ変接続,*,*,*,*,ブラフェ,ブラフェ,ブラフェ\n"
                       "スーブラ,1,1,2000,名詞,固有名詞,人名,*,*,*,スーブラ,スーブラ,スーブラ\n"
                       "ダラ,1,1,100,名詞,接尾,一般,*,*,*,ダラ,ダラ,ダラ\n"
                       "プラス,1,1,100,動詞,自立,*,*,*,*,プラス,プラス,プラス\n"),
        costs);
    // The lowest cost; no proper noun (a name near a word's sound is not its loanword).
    EXPECT_EQ(costs, (NounReadings::Costs{{"ブラフェ", 3000}}));
}

TEST(EnglishWords, ReadsTheLoanwordTableOnceOnTheFirstWord) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto phonemes = std::make_unique<Phonemes>();
    Phonemes& p = *phonemes;
    EnglishWords english(std::move(phonemes));
    english.setLoanwordTable(dir.filePath("loanwords.tsv"));
    // No table: the phonemes' rendering.
    EXPECT_EQ(english.read("Pladium").toStdString(), "プレーディアム");
    QFile f(dir.filePath("loanwords.tsv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_GT(f.write(NounReadings::format({{"プラジアム", 4000}}, "# made up\n")), 0);
    f.close();
    // Read when first needed, not when set, and not again for each word.
    english.setLoanwordTable(dir.filePath("loanwords.tsv"));
    EXPECT_EQ(english.read("Pladiums").toStdString(), "プラジアム");
    ASSERT_TRUE(QFile::remove(dir.filePath("loanwords.tsv")));
    EXPECT_EQ(english.read("Pladiumm").toStdString(), "プラジアム");
    EXPECT_EQ(p.asked, 3);
}

// On the table the build wrote and the real English voice: words whose phonemes give another
// rendering (ステーディアム, キャフェイ) are said as the loanword; a word right from its
// phonemes and initials stay as they were.
TEST(Pronouncer, SaysEnglishWordsAsTheLoanwordJapaneseUses) {
    const QStringList places = Pronouncer::defaultPlaceDictionaries();
    if (!EspeakVoice::installed("en") || places.isEmpty() ||
        !QFileInfo::exists(QFileInfo(places.front()).dir().filePath("loanwords.tsv")))
        GTEST_SKIP() << "espeak-ng's English voice or the build's table of loanwords";
    const std::unique_ptr<Pronouncer> p =
        Pronouncer::open(Pronouncer::defaultDictionaryDirs(), places);
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    EXPECT_EQ(p->toKana(QStringLiteral("Stadium前")).toStdString(), "スタジアムマエ");
    EXPECT_EQ(p->toKana(QStringLiteral("Cafe")).toStdString(), "カフェ");
    EXPECT_EQ(p->toKana(QStringLiteral("Place")).toStdString(), "プレース");
    EXPECT_EQ(p->toKana(QStringLiteral("ＮＨＫ前")).toStdString(), "エヌエイチケイマエ");
}
