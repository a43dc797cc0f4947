// A kanji standing alone as a common noun, read as the dictionary's other noun of it where names
// clearly favour that one at its place in the name. Made-up names and counts throughout.
#include "sound/LoneKanjiNouns.h"
#include "FakeKnowledge.h"

#include <gtest/gtest.h>

namespace {

// The words' readings, apart by bars.
QString joined(const ReadWords& words) {
    QString out = readings(words, u"|");
    out.chop(1);
    return out;
}

struct LoneKanjiNounsTest : ::testing::Test {
    // 鷺 first reads サギ in 12 names and ロ in 1; last, 9 say ロ and 2 サギ. 呂 is too rare.
    const KanjiInNames::Table table = KanjiInNames::parse(u"鷺\tF\tサギ\t12\n"
                                                          u"鷺\tF\tロ\t1\n"
                                                          u"鷺\tL\tロ\t9\n"
                                                          u"鷺\tL\tザギ\t2\n"
                                                          u"鷺\tI\tサギ\t4\n"
                                                          u"鷺\tI\tロ\t3\n"
                                                          u"呂\tF\tリョ\t2\n"
                                                          u"堰\tL\tベ\t20\n"
                                                          u"堰\tL\tヘン\t6\n"
                                                          u"堰\tL\tセキ\t1\n"
                                                          u"町\tF\tマチ\t50\n");
    FakeKnowledge knows;
    LoneKanjiNounsTest() {
        // The dictionary's words of each kanji; 鷺's ザギ a suffix's, alike but for voicing.
        knows.words =
            FakeKnowledge::table("鷺=ザギ/ロ/サギ 呂=ロ/リョ 町=チョウ/マチ 堰=セキ/ヘン");
    }
    QString read(ReadWords words, const QString& text) {
        LoneKanjiNouns::apply(words, text, table, knows);
        return joined(words);
    }
};

TEST_F(LoneKanjiNounsTest, TakesTheNounNamesFavourAtThatPlace) {
    // First in the name names say サギ, spelled so: the other word.
    EXPECT_EQ(read({word("鷺", "ロ"), word("ヶ", "ガ", "助詞"), word("丘", "オカ")}, "鷺ヶ丘"),
              "サギ|ガ|オカ");
    // Last, the dictionary's ロ is what names say (a voiced ザギ counts with サギ, still fewer).
    EXPECT_EQ(read({word("鷺沢", "サギサワ", "名詞", "固有名詞"), word("鷺", "ロ")}, "鷺沢鷺"),
              "サギサワ|ロ");
    // Inside, 4 against 3 is no clear lead.
    EXPECT_EQ(
        read({word("北", "キタ"), word("ノ", "ノ", "助詞"), word("鷺", "ロ"), word("沢", "サワ")},
             "北ノ鷺沢"),
        "キタ|ノ|ロ|サワ");
    // A reading names favour over the dictionary's, but not the one most of them give, is no
    // answer.
    EXPECT_EQ(read({word("鷺", "サギ"), word("堰", "セキ")}, "鷺堰"), "サギ|セキ");
    // Too few names: the dictionary's reading stays.
    EXPECT_EQ(read({word("呂", "ロ"), word("沢", "サワ")}, "呂沢"), "ロ|サワ");
}

TEST_F(LoneKanjiNounsTest, LeavesWordsThatAreNotALoneCommonNoun) {
    ReadWords words{word("鷺", "ロ"), word("沢", "サワ")};
    words[0].fixed = true;
    EXPECT_EQ(read(words, "鷺沢"), "ロ|サワ");
    words[0].fixed = false;
    words[0].listed = true;
    EXPECT_EQ(read(words, "鷺沢"), "ロ|サワ");
    // A proper noun, a suffix, a word of two kanji: not this rule's.
    EXPECT_EQ(read({word("鷺", "ロ", "名詞", "固有名詞"), word("沢", "サワ")}, "鷺沢"), "ロ|サワ");
    EXPECT_EQ(read({word("鷺", "ロ", "名詞", "接尾"), word("沢", "サワ")}, "鷺沢"), "ロ|サワ");
    // Beside a hiragana の, a phrase of everyday words; so beside another particle or a mark.
    EXPECT_EQ(read({word("鷺", "ロ"), word("の", "ノ", "助詞"), word("沢", "サワ")}, "鷺の沢"),
              "ロ|ノ|サワ");
    EXPECT_EQ(read({word("鷺", "ロ"), word("は", "ワ", "助詞")}, "鷺は"), "ロ|ワ");
    EXPECT_EQ(read({word("鷺", "ロ"), word("、", "、", "記号")}, "鷺、"), "ロ|、");
    // 町 is the towns' table's.
    EXPECT_EQ(read({word("町", "チョウ"), word("沢", "サワ")}, "町沢"), "チョウ|サワ");
}

} // namespace
