// How 町 reads after a town's name: the table counted over listed names by the ending of the
// part before 町, and the rule that reads a suffix 町 by it.
#include "sound/TownReadings.h"
#include "FakeKnowledge.h"
#include "sound/WordRules.h"

#include <gtest/gtest.h>

namespace {

const QString Machi = QStringLiteral("マチ");
const QString Chou = QStringLiteral("チョウ");

TownReadings::Table madeUpTable() {
    const QList<std::pair<QString, QString>> names = {
        // The ending 鷺浜 reads チョウ; a longer ending that says the same adds no row.
        {"鷺浜町", "サギハマチョウ"},
        {"北鷺浜町", "キタサギハマチョウ"},
        // 浜 alone reads マチ, three names to two; 白浜 says so too and adds no row.
        {"白浜町", "シラハママチ"},
        {"青浜町", "アオハママチ"},
        {"赤浜町", "アカハママチ"},
        // Too few names for one character, or for two; one is enough for three.
        {"鶴町", "ツルチョウ"},
        {"鶴町", "ツルチョウ"},
        {"北雁鴫町", "キタガンシギマチ"},
        // As many one way as the other.
        {"鳩町", "ハトマチ"},
        {"鳩町", "ハトチョウ"},
        // 町 inside a name counts as well.
        {"鴨町東", "カモチョウヒガシ"},
        // A reading that says both, a name with two 町 and one with none before it count for
        // nothing.
        {"蝶町", "チョウマチ"},
        {"雁町鷺町", "ガンマチサギチョウ"},
        {"町", "マチ"},
        {"町鷺", "マチサギ"},
    };
    return TownReadings::count(names);
}

} // namespace

// The table holds a reading for each ending most of its names agree on, a lone character only
// with enough names, and no row that a shorter ending already says; the row of no ending is
// what most towns say.
TEST(TownReadings, CountsHowTownsReadTheirChoByTheEndingOfTheirName) {
    const TownReadings::Table table = madeUpTable();
    EXPECT_EQ(table,
              (TownReadings::Table{{"", Chou}, {"浜", Machi}, {"鷺浜", Chou}, {"北雁鴫", Machi}}));
    // The longest ending the table holds decides.
    EXPECT_EQ(TownReadings::reading(table, u"北鷺浜"), Chou);
    EXPECT_EQ(TownReadings::reading(table, u"桃浜"), Machi);
    EXPECT_EQ(TownReadings::reading(table, u"南雁鴫"), Chou);
    EXPECT_EQ(TownReadings::reading(table, u"東北雁鴫"), Machi);
    EXPECT_EQ(TownReadings::reading(table, u""), Chou);
    // A table of old, one kanji a row: what it does not hold is left to the dictionary.
    EXPECT_EQ(TownReadings::reading({{"浜", Machi}}, u"鳩"), QString());
    EXPECT_EQ(TownReadings::reading({}, u"白浜"), QString());
}

TEST(TownReadings, ATableReadsBackAsWritten) {
    const TownReadings::Table table = madeUpTable();
    EXPECT_EQ(TownReadings::parse(TownReadings::format(table)), table);
    // A line of another system's line end is read; a reading other than the two, a line without
    // a tab and an ending longer than any counted are not.
    EXPECT_EQ(TownReadings::parse(u"鷺\tマチ\r\n鶴\tトウ\n鳩チョウ\n鷺鷺鷺鷺鷺\tマチ\n\tチョウ\n"),
              (TownReadings::Table{{"鷺", Machi}, {"", Chou}}));
}

// A 町 the dictionary takes for a suffix is read by the ending of the words before it, however
// the dictionary cut them; a 町 that is a word of its own, or a name's own, keeps its reading.
TEST(WordRules, ATownsSuffixReadsAsTownsEndingAlikeDo) {
    FakeKnowledge knows;
    const TownReadings::Table table = madeUpTable();
    const auto read = [&](ReadWords words) {
        WordRules::apply(words, knows, table);
        return readings(words);
    };
    const ReadWord suffix = word("町", "マチ", "名詞", "接尾");
    EXPECT_EQ(read({word("鷺", "サギ"), word("浜", "ハマ"), suffix}),
              QStringLiteral("サギハマチョウ"));
    EXPECT_EQ(read({word("桃浜", "モモハマ"), word("町", "チョウ", "名詞", "接尾")}),
              QStringLiteral("モモハママチ"));
    EXPECT_EQ(read({word("鳩", "ハト"), suffix}), QStringLiteral("ハトチョウ"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("町", "マチ")}), QStringLiteral("ハトマチ"));
    EXPECT_EQ(read({suffix}), QStringLiteral("マチ"));
    EXPECT_EQ(read({word("鷺浜町", "サギハママチ", "名詞", "固有名詞")}),
              QStringLiteral("サギハママチ"));
    // Without the table the dictionary's reading stays.
    ReadWords plain = {word("鷺", "サギ"), word("浜", "ハマ"), suffix};
    WordRules::apply(plain, knows);
    EXPECT_EQ(readings(plain), QStringLiteral("サギハママチ"));
}
