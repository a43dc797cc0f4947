// How the characters around the dictionary's words are read: Latin letters, numerals and
// abbreviations of a stop's name.
#include "sound/KanaText.h"
#include "sound/Pronouncer.h"
#include "sound/Romaji.h"

#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

struct Case {
    const char* text;
    const char* kana;
};

void expectReadings(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

} // namespace

TEST(Romaji, ReadsBothRomanisationsAndRefusesOtherWords) {
    const Case cases[] = {
        {"sakura", "サクラ"},        {"Shimbashi", "シンバシ"}, // m before b is the syllabic n
        {"Sannomiya", "サンノミヤ"},                            // n before n too
        {"Shin'ya", "シンヤ"},       {"tuzi", "ツジ"},          // Kunrei
        {"Syuzenzi", "シュゼンジ"},                             // Kunrei contracted sound
        {"Hakkaku", "ハッカク"},     {"Matcha", "マッチャ"},    {"Ohno", "オーノ"},
        {"Ōtō", "オートー"},         {"WAKABA", "ワカバ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Romaji::toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana)) << c.text;
    for (const char* word : {"Park", "Plaza", "NHK", "Museum", "x", "ky", "n-a", "Rose's"})
        EXPECT_EQ(Romaji::toKana(QString::fromUtf8(word)), QString()) << word;
}

// A word in romaji is read as the Japanese it spells; initials and English words are spelled
// out as before.
TEST(KanaText, LatinWordsAreReadAsRomajiOrSpelled) {
    const Case cases[] = {
        {"Wakaba", "ワカバ"},
        {"sagisawa", "サギサワ"},
        {"Tōkyō", "トーキョー"},
        {"SAGISAWA", "サギサワ"},
        {"KUMO", "クモ"}, // four capitals as a name spells them
        {"JA", "ジェイエー"},
        {"ANA", "エーエヌエー"},
        {"AEON", "エーイーオーエヌ"},
        {"IKEA", "アイケイイーエー"},
        {"NHK", "エヌエイチケイ"},
        {"JAsagi", "ジェイエーエスエージーアイ"},
        {"Park", "ピーエーアールケイ"},
        {"a", "エー"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KanaText::speakable(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, ReadsLatinWordsInNames) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({
        {"Wakaba公園前", "ワカバコーエンマエ"},
        {"ＷａｋａｂａＮＨＫ前", "ワカバエヌエイチケイマエ"},
        {"Sagi Wakaba", "サギワカバ"},
    });
}
