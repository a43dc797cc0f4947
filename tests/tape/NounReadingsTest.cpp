// The table of nouns' readings that says how romaji without its long vowels marked is said:
// what the build keeps of the dictionaries' sources, how a table file is checked, and the
// choice between the short reading and the longer ones.
#include "sound/NounReadings.h"
#include "sound/EnglishWords.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Made-up lines in the layout of the IPA dictionary's sources (surface, context ids, cost,
// part of speech, conjugation, base form, reading, pronunciation).
const QString Sources =
    QStringLiteral("甲戸,1,1,3000,名詞,固有名詞,地域,一般,*,*,甲戸,コウベ,コーベ\n"
                   "小戸,1,1,8000,名詞,固有名詞,地域,一般,*,*,小戸,コベ,コベ\n"
                   "乙部,1,1,9500,名詞,固有名詞,地域,一般,*,*,乙部,コベ,コベ\n"
                   "旅舘,1,1,4000,名詞,一般,*,*,*,*,旅舘,リョカン,リョカン\n"
                   "両舘,1,1,3500,名詞,一般,*,*,*,*,両舘,リョウカン,リョーカン\n"
                   "都京,1,1,2000,名詞,固有名詞,地域,一般,*,*,都京,トウキョウ,トーキョー\n"
                   "大坂,1,1,2500,名詞,固有名詞,地域,一般,*,*,大坂,オオサカ,オーサカ\n"
                   "荘,1,1,100,名詞,接尾,一般,*,*,*,荘,ソウ,ソー\n"
                   "走る,1,1,100,動詞,自立,*,*,五段,基本形,走る,ハシル,ハシル\n"
                   "魚,1,1,3000,名詞,一般,*,*,*,*,魚,サカナ,サカナ\n"
                   "拉麺,1,1,5000,名詞,一般,*,*,*,*,拉麺,ラーメン,ラーメン\n"
                   "神社,1,1,6000,名詞,一般,*,*,*,*,神社,ジンジャ,ジンジャ\n"
                   "ジンジャー,1,1,3000,名詞,一般,*,*,*,*,ジンジャー,ジンジャー,ジンジャー\n"
                   "短い行,1,1\r\n");

QByteArray table(const QString& csv) {
    NounReadings::Costs costs;
    NounReadings::addNouns(csv, costs);
    return NounReadings::format(NounReadings::forLongVowels(costs, costs), "# made up\n");
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return f.fileName();
}

} // namespace

TEST(NounReadings, LengthensRomajiWhereACommonerNounReadsSo) {
    const NounReadings nouns = NounReadings::parse(table(Sources));
    // The cheapest noun of each reading counts.
    EXPECT_EQ(nouns.cost("コベ"), 8000);
    EXPECT_EQ(nouns.spoken("コベ").toStdString(), "コウベ");
    EXPECT_EQ(nouns.spoken("オサカ").toStdString(), "オオサカ");
    // No noun read short: the long one is taken.
    EXPECT_EQ(nouns.spoken("トキョ").toStdString(), "トウキョウ");
    // A common noun read short stays unless the long one is commoner by the margin.
    EXPECT_EQ(nouns.spoken("リョカン").toStdString(), "リョカン");
    // A suffix is no name of its own; nothing longer, nothing changed.
    EXPECT_EQ(nouns.spoken("ソ").toStdString(), "ソ");
    EXPECT_EQ(nouns.spoken("ドロモネ").toStdString(), "ドロモネ");
    // A loanword's ー only where no noun reads the word short or with ウ or オ.
    EXPECT_EQ(nouns.spoken("ラメン").toStdString(), "ラーメン");
    EXPECT_EQ(nouns.spoken("ジンジャ").toStdString(), "ジンジャ");
    // A word that marks its long vowels is not changed.
    EXPECT_EQ(nouns.spoken("コーベ").toStdString(), "コーベ");
    // Only what spoken() can ask is kept: not a reading with no long vowel to leave out.
    EXPECT_FALSE(nouns.cost("サカナ"));
    EXPECT_FALSE(nouns.cost("ハシル"));
    EXPECT_EQ(nouns.size(), 9);
}

TEST(NounReadings, KeepsAShortReadingWhoseLongOneIsInTheOtherTable) {
    NounReadings::Costs places, names;
    NounReadings::addNouns(
        QStringLiteral("小戸,1,1,8000,名詞,固有名詞,地域,一般,*,*,小戸,コベ,コベ\n"), names);
    NounReadings::addNouns(Sources, places);
    NounReadings::Costs all = places;
    all.insert(names);
    const NounReadings kept = NounReadings::parse(
        NounReadings::format(NounReadings::forLongVowels(names, all), "# names\n"));
    EXPECT_EQ(kept.cost("コベ"), 8000);
}

TEST(NounReadings, ATableThatBreaksItsLayoutAnywhereIsNotUsed) {
    const QByteArray good = table(Sources);
    ASSERT_EQ(NounReadings::parse(good).size(), 9);
    const qsizetype lastLine = good.lastIndexOf('\n', good.size() - 2) + 1;
    const struct {
        const char* what;
        QByteArray bytes;
    } broken[] = {
        {"cut inside a line", good.left(good.size() - 3)},
        {"cut between lines", good.left(lastLine)},
        {"no count", QByteArray(good).replace("#readings ", "#lines ")},
        {"count twice", QByteArray(good).replace("#readings 9\n", "#readings 9\n#readings 9\n")},
        {"count beyond the file", QByteArray(good).replace("#readings 9", "#readings 99999999")},
        {"unsorted", QByteArray(good).replace("コウベ", "ロウベ")},
        {"not katakana", QByteArray(good).replace("コウベ", "こうべ")},
        {"no tab", QByteArray(good).replace("コベ\t", "コベ ")},
        {"cost too large", QByteArray(good).replace("\t8000", "\t80000")},
        {"cost not a number", QByteArray(good).replace("\t8000", "\t8O00")},
        {"a comment after the readings", good + "# more\n"},
    };
    for (const auto& b : broken) {
        const NounReadings nouns = NounReadings::parse(b.bytes);
        EXPECT_TRUE(nouns.isEmpty()) << b.what;
        EXPECT_EQ(nouns.spoken("コベ").toStdString(), "コベ") << b.what;
    }
    // An empty table is a table, and says nothing.
    EXPECT_TRUE(NounReadings::parse("#readings 0\n").isEmpty());
}

TEST(NounReadings, LoadsEachReadableTableAndTakesTheLowestCost) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString places = writeFile(dir, "nouns.tsv", table(Sources));
    const QString names = writeFile(dir, "names.tsv", "#readings 1\nコベ\t-500\n");
    const QString broken = writeFile(dir, "broken.tsv", "#readings 2\nコベ\t1\n");
    const NounReadings both =
        NounReadings::load({dir.filePath("missing.tsv"), dir.path(), broken, places, names});
    EXPECT_EQ(both.cost("コベ"), -500);
    EXPECT_EQ(both.cost("コウベ"), 3000);
    EXPECT_EQ(both.spoken("コベ").toStdString(), "コベ");
    // A file far larger than any table is refused, not cut to a table.
    QByteArray huge = table(Sources);
    huge.append(NounReadings::MaxTableBytes, '#');
    EXPECT_TRUE(NounReadings::load({writeFile(dir, "huge.tsv", huge)}).isEmpty());
}

TEST(EnglishWords, ReadsTheTablesOfNounsOnlyForAWordThatCouldHaveALongVowel) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EnglishWords english(nullptr);
    EXPECT_EQ(english.japanese("コベ").toStdString(), "コベ"); // no tables
    english.setNounTables({dir.filePath("nouns.tsv")});
    // Asked before the table is there: a word that marks its long vowels does not read it.
    EXPECT_EQ(english.japanese("トーキョー").toStdString(), "トーキョー");
    ASSERT_FALSE(writeFile(dir, "nouns.tsv", table(Sources)).isEmpty());
    EXPECT_EQ(english.japanese("コベ").toStdString(), "コウベ");
}
