// How names read their kanji by position, and the reading of a name fallen apart into single
// kanji by it. Made-up names and counts throughout.
#include "sound/KanjiInNames.h"

#include <gtest/gtest.h>

namespace {

ReadWord word(const QString& surface, const QString& reading, const QString& pos1 = "一般") {
    ReadWord w;
    w.surface = surface;
    w.pronunciation = reading;
    w.pos = QStringLiteral("名詞");
    w.pos1 = pos1;
    w.known = true;
    return w;
}

QString readings(const ReadWords& words) {
    QStringList out;
    for (const ReadWord& w : words)
        out += w.pronunciation;
    return out.join(u'|');
}

const KanjiInNames::Table& table() {
    static const KanjiInNames::Table t = KanjiInNames::parse(u"鷺\tF\tサギ\t20\n"
                                                             u"鷺\tF\tロ\t1\n"
                                                             u"呂\tI\tロ\t12\n"
                                                             u"保\tL\tボ\t30\n"
                                                             u"保\tL\tホ\t2\n"
                                                             u"保\tL\tヤス\t5\n"
                                                             u"柳\tL\tヤナギ\t9\n"
                                                             u"柳\tL\tリュウ\t3\n"
                                                             u"沼\tI\tヌマ\t2\n"
                                                             u"not a line\n"
                                                             u"鷺\tX\tサギ\t4\n"
                                                             u"鷺\tL\tサギ\tmany\n");
    return t;
}

TEST(KanjiInNames, TableKeepsEachPositionCommonestFirstAndPassesOverBadLines) {
    const KanjiInNames::Table& t = table();
    ASSERT_TRUE(t.contains("保"));
    const auto positions = t.value("保");
    const QList<KanjiInNames::Count>& last = positions[KanjiInNames::Last];
    ASSERT_EQ(last.size(), 3);
    EXPECT_EQ(last[0].reading, "ボ");
    EXPECT_EQ(last[1].reading, "ヤス");
    EXPECT_TRUE(t.value("鷺")[KanjiInNames::Last].isEmpty());
    EXPECT_TRUE(t.value("保")[KanjiInNames::First].isEmpty());
    // What format writes, parse reads back the same.
    EXPECT_EQ(KanjiInNames::format(KanjiInNames::parse(KanjiInNames::format(t))),
              KanjiInNames::format(t));
}

TEST(KanjiInNames, NamesReadingOnlyWhereTheDictionarysIsRareThere) {
    const KanjiInNames::Table& t = table();
    // A reading names give far more often than the dictionary's.
    EXPECT_EQ(KanjiInNames::namesReading(t, "呂", KanjiInNames::Inside, "リョ"), "ロ");
    // Only at the position counted.
    EXPECT_EQ(KanjiInNames::namesReading(t, "呂", KanjiInNames::Last, "リョ"), "");
    // The dictionary's own reading, voiced or plain, is kept.
    EXPECT_EQ(KanjiInNames::namesReading(t, "保", KanjiInNames::Last, "ホ"), "");
    // A reading a fair share of names give is kept (5 of 30 for ヤス; 3 of 9 for リュウ).
    EXPECT_EQ(KanjiInNames::namesReading(t, "保", KanjiInNames::Last, "ヤス"), "ボ");
    EXPECT_EQ(KanjiInNames::namesReading(t, "柳", KanjiInNames::Last, "リュー"), "");
    // Too few names say nothing.
    EXPECT_EQ(KanjiInNames::namesReading(t, "沼", KanjiInNames::Inside, "ショウ"), "");
    EXPECT_EQ(KanjiInNames::namesReading(t, "無", KanjiInNames::First, "ム"), "");
    // Counts near the largest number add up without wrapping round.
    const KanjiInNames::Table big =
        KanjiInNames::parse(u"鷺\tF\tサギ\t2147483647\n鷺\tF\tロ\t2147483647\n");
    EXPECT_EQ(KanjiInNames::namesReading(big, "鷺", KanjiInNames::First, "ロ"), "");
}

TEST(KanjiInNames, ReadsRunsOfSingleKanjiByPosition) {
    // The whole name in single kanji: each by where it stands.
    ReadWords words{word("鷺", "ロ"), word("呂", "リョ"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"鷺呂保", table());
    EXPECT_EQ(readings(words), "サギ|ロ|ボ");

    // A kanji alone between longer words is left to the dictionary.
    words = {word("鷺沢", "サギサワ"), word("呂", "リョ"), word("鷺沢", "サギサワ")};
    KanjiInNames::apply(words, u"鷺沢呂鷺沢", table());
    EXPECT_EQ(readings(words), "サギサワ|リョ|サギサワ");

    // A run that closes the name takes the last position there.
    words = {word("北沢", "キタザワ"), word("呂", "リョ"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"北沢呂保", table());
    EXPECT_EQ(readings(words), "キタザワ|ロ|ボ");
}

TEST(KanjiInNames, ReadsALoneKanjiOpeningTheNameBeforeALongerWord) {
    ReadWords words{word("鷺", "ロ"), word("沢川", "サワカワ")};
    KanjiInNames::apply(words, u"鷺沢川", table());
    EXPECT_EQ(readings(words), "サギ|サワカワ");

    // Not before a listed name, a verbal noun, or a word that is not all kanji.
    words = {word("鷺", "ロ"), word("沢川", "サワカワ")};
    words[1].listed = true;
    KanjiInNames::apply(words, u"鷺沢川", table());
    EXPECT_EQ(readings(words), "ロ|サワカワ");
    words = {word("鷺", "ロ"), word("修行", "シュギョー", "サ変接続")};
    KanjiInNames::apply(words, u"鷺修行", table());
    EXPECT_EQ(readings(words), "ロ|シュギョー");
    words = {word("鷺", "ロ"), word("沢の", "サワノ")};
    KanjiInNames::apply(words, u"鷺沢の", table());
    EXPECT_EQ(readings(words), "ロ|サワノ");
    // A lone kanji closing the name stays the dictionary's.
    words = {word("北沢", "キタザワ"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"北沢保", table());
    EXPECT_EQ(readings(words), "キタザワ|ヤス");
}

TEST(KanjiInNames, ReadsAnUnknownWordsKanjiByTheirPlaceInTheName) {
    // The dictionary's own readings of the characters, as the reader would give them.
    const auto own = [](const QString& c) {
        static const QHash<QString, QString> alone{
            {"鷺", "ロ"}, {"呂", "リョ"}, {"保", "ヤス"}, {"柳", "リュー"}, {"ノ", "ノ"}};
        return alone.value(c, "?");
    };
    const KanjiInNames::Table& t = table();
    // The whole name: first, inside and last.
    EXPECT_EQ(KanjiInNames::readUnknown(u"鷺呂保", 0, 3, t, own), "サギロボ");
    // The same word inside a longer name: only 呂 has names' evidence inside.
    EXPECT_EQ(KanjiInNames::readUnknown(u"鷺呂保", 2, 6, t, own), "ロロヤス");
    // Closing the name: kana, and a kanji names say nothing of at its place, read as their own.
    EXPECT_EQ(KanjiInNames::readUnknown(u"ノ柳保", 4, 7, t, own), "ノリューボ");
    // A character outside the basic plane is one character, not two halves.
    EXPECT_EQ(KanjiInNames::readUnknown(u"\U00020BB7保", 0, 3, t, own), "?ボ");
}

TEST(KanjiInNames, LeavesWordsTheRunDoesNotHold) {
    // A listed name, a fixed reading, a number and a verb's stem are not the run's.
    ReadWords words{word("鷺", "ロ"), word("呂", "リョ"), word("保", "ヤス")};
    words[2].listed = true;
    KanjiInNames::apply(words, u"鷺呂保", table());
    EXPECT_EQ(readings(words), "サギ|ロ|ヤス");

    words = {word("鷺", "ロ"), word("呂", "リョ"), word("保", "ヤス")};
    words[0].fixed = true;
    KanjiInNames::apply(words, u"鷺呂保", table());
    EXPECT_EQ(readings(words), "ロ|ロ|ボ");

    words = {word("鷺", "ロ"), word("呂", "リョ"), word("保", "ヤス")};
    words[2].pos = QStringLiteral("動詞");
    KanjiInNames::apply(words, u"鷺呂保", table());
    EXPECT_EQ(readings(words), "サギ|ロ|ヤス");

    // A run does not open on a suffix, nor on a counter after a number.
    words = {word("鷺沢", "サギサワ"), word("呂", "リョ", "接尾"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"鷺沢呂保", table());
    EXPECT_EQ(readings(words), "サギサワ|リョ|ヤス");
    words = {word("三", "サン", "数"), word("呂", "リョ"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"三呂保", table());
    EXPECT_EQ(readings(words), "サン|リョ|ヤス");
    // A stop's closing front is no part of the run: the kanji before it stands alone.
    words = {word("鷺沢", "サギサワ"), word("呂", "リョ"), word("前", "マエ")};
    KanjiInNames::apply(words, u"鷺沢呂前", table());
    EXPECT_EQ(readings(words), "サギサワ|リョ|マエ");
    // Inside a run a suffix is read by the table too.
    words = {word("鷺", "ロ"), word("呂", "リョ", "接尾"), word("保", "ヤス")};
    KanjiInNames::apply(words, u"鷺呂保", table());
    EXPECT_EQ(readings(words), "サギ|ロ|ボ");
}

} // namespace
