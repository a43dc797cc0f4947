// How a listed name reads where it opens or closes a longer name: the table as written and
// read back, and the rule that reads the first and the last word by it.
#include "sound/PartReadings.h"
#include "FakeKnowledge.h"

#include <gtest/gtest.h>

namespace {

PartReadings::Table madeUpTable() {
    PartReadings::Table table;
    table.opening.insert("鳩鴨", "ツバクロ");
    table.closing.insert("台東", "ダイヒガシ");
    table.closing.insert("鳩鴨", "ハトガモ");
    return table;
}

ReadWord listed(const char* surface, const char* kana) {
    ReadWord w = word(surface, kana, "名詞", "固有名詞");
    w.listed = true;
    return w;
}

QString read(ReadWords words) {
    PartReadings::apply(words, madeUpTable());
    return readings(words, u"|");
}

} // namespace

TEST(PartReadings, ATableReadsBackAsWritten) {
    EXPECT_EQ(PartReadings::parse(PartReadings::format(madeUpTable())), madeUpTable());
    EXPECT_EQ(PartReadings::format(madeUpTable()),
              "台東\tL\tダイヒガシ\n鳩鴨\tF\tツバクロ\n鳩鴨\tL\tハトガモ\n");
    // Another system's line end is read; an unknown position, a reading not in katakana, a
    // name of one character or of no kanji and a line of another number of fields are not.
    EXPECT_EQ(PartReadings::parse(u"鳩鴨\tF\tツバクロ\r\n鷺沢\tI\tサギサワ\n鷺沢\tF\tさぎさわ\n"
                                  u"鷺\tF\tサギ\nサギ\tL\tサギ\n鷺沢\tL\n台東\tL\tダイヒガシ\t3\n"),
              (PartReadings::Table{{{"鳩鴨", "ツバクロ"}}, {}}));
}

// The first word reads by the opening row and the last by the closing row, where other words
// come after or before it; a name alone, a word between, a word no list holds and a reading
// the user fixed keep theirs.
TEST(PartReadings, AListedNameOpeningOrClosingALongerOneReadsAsLongerNamesDo) {
    EXPECT_EQ(read({listed("鳩鴨", "ハトカモ"), listed("台東", "タイトウ")}),
              "ツバクロ|ダイヒガシ|");
    EXPECT_EQ(read({word("鷺", "サギ"), listed("鳩鴨", "ハトカモ")}), "サギ|ハトガモ|");
    EXPECT_EQ(read({listed("台東", "タイトウ"), word("前", "マエ", "名詞", "接尾")}),
              "タイトウ|マエ|");
    EXPECT_EQ(read({listed("鳩鴨", "ハトカモ")}), "ハトカモ|");
    EXPECT_EQ(read({word("鷺", "サギ"), listed("台東", "タイトウ"), word("前", "マエ")}),
              "サギ|タイトウ|マエ|");
    EXPECT_EQ(read({word("鳩鴨", "ハトカモ"), word("台東", "タイトウ")}), "ハトカモ|タイトウ|");
    ReadWords fixed = {listed("鳩鴨", "ハトカモ"), listed("台東", "タイトウ")};
    fixed[0].fixed = true;
    PartReadings::apply(fixed, madeUpTable());
    EXPECT_EQ(readings(fixed, u"|"), "ハトカモ|ダイヒガシ|");
}

// A word no list holds (the dictionary's surname or a place elsewhere) takes a row's reading
// only where it says the same kana but for voiced and plain ones, a long vowel marked or
// written out alike; a row that reads it otherwise, a name alone, a word after a particle and a
// fixed word keep theirs.
TEST(PartReadings, AnUnlistedWordTakesOnlyTheVoicingLongerNamesGiveIt) {
    PartReadings::Table table;
    table.opening.insert("鷺鴨", "サギガモ");
    table.opening.insert("鳩鴫", "キュウシギ");
    table.opening.insert("鷹鴨", "タカコウ");
    table.closing.insert("鵜沢", "ウザワ");
    table.closing.insert("鳩鴨", "ツルガモ");
    table.closing.insert("鷹島", "タカジマ");
    table.closing.insert("鴨沢", "ガモサワ");
    const auto readWith = [&](ReadWords words) {
        PartReadings::apply(words, table);
        return readings(words, u"|");
    };
    EXPECT_EQ(readWith({word("鷺鴨", "サギカモ"), word("前", "マエ")}), "サギガモ|マエ|");
    EXPECT_EQ(readWith({word("鷺", "サギ"), word("鵜沢", "ウサワ")}), "サギ|ウザワ|");
    EXPECT_EQ(readWith({word("鳩鴫", "ハトシギ"), word("前", "マエ")}), "ハトシギ|マエ|");
    EXPECT_EQ(readWith({word("鷹鴨", "タカゴー"), word("前", "マエ")}), "タカコウ|マエ|");
    EXPECT_EQ(readWith({word("鷺鴨", "サギカモ")}), "サギカモ|");
    // After a particle the closing word keeps the voicing of its first kana, listed or not; the
    // row's voicing further in and a reading it gives otherwise are still taken.
    for (const char* particle : {"の", "ノ", "之", "ヶ"})
        EXPECT_EQ(readWith({word("鷺", "サギ"), word(particle, "ノ"), word("鴨沢", "カモサワ")}),
                  "サギ|ノ|カモサワ|")
            << particle;
    EXPECT_EQ(readWith({word("鷺", "サギ"), word("の", "ノ"), listed("鴨沢", "カモサワ")}),
              "サギ|ノ|カモサワ|");
    EXPECT_EQ(readWith({word("鷺", "サギ"), word("鴨沢", "カモサワ")}), "サギ|ガモサワ|");
    EXPECT_EQ(readWith({word("鷺", "サギ"), word("の", "ノ"), word("鷹島", "タカシマ")}),
              "サギ|ノ|タカジマ|");
    EXPECT_EQ(readWith({word("鷺の", "サギノ"), listed("鳩鴨", "ハトカモ")}), "サギノ|ツルガモ|");
    ReadWords fixed = {word("鷺鴨", "サギカモ"), word("前", "マエ")};
    fixed[0].fixed = true;
    PartReadings::apply(fixed, table);
    EXPECT_EQ(readings(fixed, u"|"), "サギカモ|マエ|");
}
