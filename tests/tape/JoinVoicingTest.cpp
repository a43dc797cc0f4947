// The voicing of a closing word at its join, as the place lists' counts say (made-up names).
#include "sound/JoinVoicing.h"
#include "FakeKnowledge.h"

#include <gtest/gtest.h>

namespace {

// 沢 after 鳩 is voiced in every listed name, after 鷺 plain in every one; after 鴨 the names go
// both ways, and then the sound of the part decides: after a part of two characters closing in
// オ it is plain. After 鶴 too few names say anything but the longer ones, which keep it plain.
JoinVoicing::Table madeUpTable() {
    JoinVoicing::Table t;
    t.add("沢", "サワ", "鳩", true, 5);
    t.add("沢", "サワ", "鷺", false, 4);
    t.add("沢", "サワ", "鴨", true, 2);
    t.add("沢", "サワ", "鴨", false, 2);
    t.add("沢", "サワ", "*オ2", true, 1);
    t.add("沢", "サワ", "*オ2", false, 12);
    t.add("沢", "サワ", "鶴", true, 2);
    t.add("沢", "サワ", "*ウ1", false, 9);
    t.add("橋", "ハシ", "鳩", true, 5);
    // Closing longer names: after 鳩 voiced, after 鷺 plain, after 鴨 either way; 鵜 has only
    // the join's own row.
    t.add("沢", "サワ", "+鳩", true, 4);
    t.add("沢", "サワ", "+鷺", false, 3);
    t.add("沢", "サワ", "+鴨", true, 3);
    t.add("沢", "サワ", "+鴨", false, 3);
    t.add("沢", "サワ", "鵜", true, 5);
    t.add("沢", "サワ", "+鶴", false, 3);
    // Over every part: 淵 mostly voiced, 潟 either way, 堀 voiced in too few names; after a part
    // closing in ン, 淵 is plain.
    t.add("淵", "フチ", "*", true, 9);
    t.add("淵", "フチ", "*", false, 2);
    t.add("淵", "フチ", "*ン1", false, 10);
    t.add("潟", "カタ", "*", true, 6);
    t.add("潟", "カタ", "*", false, 6);
    t.add("堀", "ホリ", "*", true, 9);
    // After the particle ヶ, 沢 is voiced.
    t.add("沢", "サワ", "ヶ", true, 3);
    return t;
}

QString read(ReadWords words) {
    JoinVoicing::apply(words, madeUpTable());
    return readings(words, u"|");
}

} // namespace

TEST(JoinVoicing, VoicesOrUnvoicesTheClosingWordAsTheCountsLean) {
    EXPECT_EQ(read({word("鳩", "ハト"), word("沢", "サワ")}), QStringLiteral("ハト|ザワ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("沢", "ザワ")}), QStringLiteral("サギ|サワ|"));
    // The part's last character says nothing clear: its sound decides.
    EXPECT_EQ(read({word("雁鴨", "ガンカモ"), word("沢", "ザワ")}),
              QStringLiteral("ガンカモ|サワ|"));
    // Too few names by the character, and the sound's row too small: left as read, where the
    // part is too short for the longer names to say; after a longer part, they decide.
    EXPECT_EQ(read({word("鶴", "ツル"), word("沢", "ザワ")}), QStringLiteral("ツル|ザワ|"));
    EXPECT_EQ(read({word("雁鶴", "ガンツル"), word("沢", "ザワ")}),
              QStringLiteral("ガンツル|サワ|"));
    EXPECT_EQ(read({word("雁", "ガン"), word("鶴", "ツル"), word("沢", "ザワ")}),
              QStringLiteral("ガン|ツル|サワ|"));
    // In the middle of a longer name as at its end.
    EXPECT_EQ(read({word("鳩", "ハト"), word("沢", "サワ"), word("前", "マエ")}),
              QStringLiteral("ハト|ザワ|マエ|"));
}

TEST(JoinVoicing, KeepsWhatTheCountsDoNotReach) {
    // After a particle, as the opening word, a word of two kanji, another reading of the kanji,
    // a half-voiced one.
    EXPECT_EQ(read({word("鳩", "ハト"), word("ノ", "ノ"), word("沢", "サワ")}),
              QStringLiteral("ハト|ノ|サワ|"));
    EXPECT_EQ(read({word("沢", "サワ"), word("鳩", "ハト")}), QStringLiteral("サワ|ハト|"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("沢鳩", "サワバト")}),
              QStringLiteral("ハト|サワバト|"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("沢", "タク")}), QStringLiteral("ハト|タク|"));
    // A bridge's 橋 is the bridge rule's to read, whatever the counts say.
    EXPECT_EQ(read({word("鳩", "ハト"), word("橋", "ハシ")}), QStringLiteral("ハト|ハシ|"));
    // The user's reading and a listed name's are kept as they are.
    ReadWord fixed = word("沢", "サワ");
    fixed.fixed = true;
    EXPECT_EQ(read({word("鳩", "ハト"), fixed}), QStringLiteral("ハト|サワ|"));
    ReadWord listed = word("沢", "サワ");
    listed.listed = true;
    EXPECT_EQ(read({word("鳩", "ハト"), listed}), QStringLiteral("ハト|サワ|"));
}

TEST(JoinVoicing, DecidesAWordAfterAParticleByThatParticleAlone) {
    EXPECT_EQ(read({word("鳩", "ハト"), word("ヶ", "ガ"), word("沢", "サワ")}),
              QStringLiteral("ハト|ガ|ザワ|"));
    // No row for ノ: the word's own sound, whatever names with 淵 do after other parts.
    EXPECT_EQ(read({word("鷺", "サギ"), word("ノ", "ノ"), word("淵", "フチ")}),
              QStringLiteral("サギ|ノ|フチ|"));
}

TEST(JoinVoicing, FallsBackOnHowNamesVoiceTheKanjiAfterAnyPart) {
    // Neither 鷺 nor a part closing in イ says anything of 淵: most names with it voice it.
    EXPECT_EQ(read({word("鷺", "サギ"), word("淵", "フチ")}), QStringLiteral("サギ|ブチ|"));
    // The part's sound comes first.
    EXPECT_EQ(read({word("雁", "ガン"), word("淵", "ブチ")}), QStringLiteral("ガン|フチ|"));
    // Names split evenly, or too few of them: as read.
    EXPECT_EQ(read({word("鷺", "サギ"), word("潟", "ガタ")}), QStringLiteral("サギ|ガタ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("堀", "ホリ")}), QStringLiteral("サギ|ホリ|"));
}

TEST(JoinVoicing, DecidesTheClosingKanjiInsideALastWordNoListHolds) {
    // 雁+鳩沢: the dictionary's one reading of 鳩沢 is not the name's; 沢 after 鳩 is voiced.
    EXPECT_EQ(read({word("雁", "ガン"), word("鳩沢", "ハトサワ")}),
              QStringLiteral("ガン|ハトザワ|"));
    EXPECT_EQ(read({word("雁", "ガン"), word("鷺沢", "サギザワ")}),
              QStringLiteral("ガン|サギサワ|"));
    // Only the longer names closing with the character and the kanji decide: neither the
    // sound of the part (*オ2, plain) nor the join's own row (鵜, voiced).
    EXPECT_EQ(read({word("雁", "ガン"), word("雁鴨沢", "ガンカモザワ")}),
              QStringLiteral("ガン|ガンカモザワ|"));
    EXPECT_EQ(read({word("雁", "ガン"), word("鵜沢", "ウサワ")}), QStringLiteral("ガン|ウサワ|"));
    // The whole name, a listed or a fixed word, one not at the end, another reading of the
    // kanji: as read.
    EXPECT_EQ(read({word("鳩沢", "ハトサワ")}), QStringLiteral("ハトサワ|"));
    ReadWord listed = word("鳩沢", "ハトサワ");
    listed.listed = true;
    EXPECT_EQ(read({word("雁", "ガン"), listed}), QStringLiteral("ガン|ハトサワ|"));
    ReadWord fixed = word("鳩沢", "ハトサワ");
    fixed.fixed = true;
    EXPECT_EQ(read({word("雁", "ガン"), fixed}), QStringLiteral("ガン|ハトサワ|"));
    EXPECT_EQ(read({word("雁", "ガン"), word("鳩沢", "ハトサワ"), word("前", "マエ")}),
              QStringLiteral("ガン|ハトサワ|マエ|"));
    EXPECT_EQ(read({word("雁", "ガン"), word("鳩沢", "ハトタク")}),
              QStringLiteral("ガン|ハトタク|"));
}

TEST(JoinVoicing, ClassesAPartBySoundAndLength) {
    EXPECT_EQ(JoinVoicing::soundClass(u"鳩", u"ハト"), QStringLiteral("*オ1"));
    EXPECT_EQ(JoinVoicing::soundClass(u"鷺鳩", u"サギバト"), QStringLiteral("*オ2"));
    // A long vowel written out or marked, ン and ッ are classes of their own.
    EXPECT_EQ(JoinVoicing::soundClass(u"鴨", u"コウ"), QStringLiteral("*ー1"));
    EXPECT_EQ(JoinVoicing::soundClass(u"鴨", u"コー"), QStringLiteral("*ー1"));
    EXPECT_EQ(JoinVoicing::soundClass(u"雁", u"ガン"), QStringLiteral("*ン1"));
    EXPECT_EQ(JoinVoicing::soundClass(u"鶴鷺", u"セイ"), QStringLiteral("*ー2"));
    EXPECT_EQ(JoinVoicing::soundClass(u"鶴鷺", u"ツルイ"), QStringLiteral("*イ2"));
}

TEST(JoinVoicing, TheTableReadsBackAsWritten) {
    const JoinVoicing::Table t = madeUpTable();
    EXPECT_EQ(JoinVoicing::parse(JoinVoicing::format(t)), t);
    // Malformed rows are skipped, the good ones kept.
    const JoinVoicing::Table p = JoinVoicing::parse(
        QStringLiteral("沢\tサワ\t鳩\t3\t1\n沢\tサワ\t鷺\tx\t1\n沢\tサワ\n川\tカワ\t鳩\t-1\t2\n"));
    EXPECT_EQ(p.counts.size(), 1);
    EXPECT_EQ(p.at("沢", "サワ", "鳩"), (JoinVoicing::Counts{3, 1}));
    // A key written twice adds up, and stops at the largest count instead of wrapping round.
    const JoinVoicing::Table big = JoinVoicing::parse(
        QStringLiteral("沢\tサワ\t鳩\t2147483647\t0\n沢\tサワ\t鳩\t2147483647\t2147483647\n"));
    EXPECT_EQ(big.at("沢", "サワ", "鳩"), (JoinVoicing::Counts{2147483647, 2147483647}));
    ReadWords words{word("鳩", "ハト"), word("沢", "ザワ")};
    JoinVoicing::apply(words, big);
    EXPECT_EQ(readings(words, u"|"), QStringLiteral("ハト|ザワ|"));
}
