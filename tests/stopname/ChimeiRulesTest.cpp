// Cell cutting, layout table and typeface choice of the stop-name line.
#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/ChimeiScroll.h"
#include "controls/stopname/ChimeiText.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const QList<ChimeiText::Cell>& cells) {
    QStringList out;
    for (const auto& c : cells)
        out << c.text;
    return out;
}

} // namespace

TEST(ChimeiText, CutsFullAndHalfWidthTextIntoTwoByteCells) {
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("東京駅"), 100)),
              (QStringList{QStringLiteral("東"), QStringLiteral("京"), QStringLiteral("駅")}));
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("ABCDE"), 100)),
              (QStringList{QStringLiteral("AB"), QStringLiteral("CD"), QStringLiteral("E")}));
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("駅AB"), 100)),
              (QStringList{QStringLiteral("駅"), QStringLiteral("AB")}));
    // Half-width katakana are single bytes too.
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("ｴｷ前"), 100)),
              (QStringList{QStringLiteral("ｴｷ"), QStringLiteral("前")}));
}

TEST(ChimeiText, NeverSplitsAFullWidthCharacterAfterAnOddHalfWidthRun) {
    // Cut blindly every two bytes, "A駅B" would become "A" + half of 駅, and the other half + "B".
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("A駅B"), 100)),
              (QStringList{QStringLiteral("A"), QStringLiteral("駅"), QStringLiteral("B")}));
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("ABC前"), 100)),
              (QStringList{QStringLiteral("AB"), QStringLiteral("C"), QStringLiteral("前")}));
    const auto cells = ChimeiText::cells(QStringLiteral("1系"), 100);
    ASSERT_EQ(cells.size(), 2);
    EXPECT_EQ(cells[0].bytes, QByteArray("1"));
    EXPECT_EQ(cells[1].bytes.size(), 2);
}

TEST(ChimeiText, UnencodableCharactersShowAsQuestionMarksAndLongNamesAreCut) {
    EXPECT_EQ(texts(ChimeiText::cells(QStringLiteral("駅😀"), 100)),
              (QStringList{QStringLiteral("駅"), QStringLiteral("?")}));
    EXPECT_EQ(ChimeiText::cells(QString(5000, QChar(0x99C5)), 1000).size(), 1000);
    EXPECT_TRUE(ChimeiText::cells(QString(), 10).isEmpty());
}

TEST(ChimeiText, ReplacesOnlyTheVerticalWritingForms) {
    EXPECT_EQ(ChimeiText::uprightForm(QStringLiteral("丨")), QStringLiteral("ー"));
    EXPECT_EQ(ChimeiText::uprightForm(QStringLiteral("｜")), QStringLiteral("－"));
    EXPECT_EQ(ChimeiText::uprightForm(QStringLiteral("↓")), QStringLiteral("→"));
    EXPECT_EQ(ChimeiText::uprightForm(QStringLiteral("↑")), QStringLiteral("←"));
    EXPECT_EQ(ChimeiText::uprightForm(QStringLiteral("→駅|")), QStringLiteral("→駅|"));
}

TEST(ChimeiText, SignedCodesOfCells) {
    EXPECT_EQ(ChimeiText::signedCode(QStringLiteral("A")), 0x41);
    EXPECT_EQ(ChimeiText::signedCode(QStringLiteral("ｱ")), 0xB1);
    EXPECT_EQ(ChimeiText::signedCode(QStringLiteral("０")), qint16(quint16(0x824F)));
    EXPECT_EQ(ChimeiText::signedCode(QStringLiteral("亜")), qint16(quint16(0x889F)));
    EXPECT_EQ(ChimeiText::signedCode(QString()), 0);
}

TEST(ChimeiText, FaceByFontModeAndCharacterClass) {
    const QString G = Fonts::Gothic, M = Fonts::Mincho;
    struct Row {
        qint16 mode;
        const char* ch;
        QString face;
    };
    const Row rows[] = {
        {0, "駅", G},
        {0, "A", G},
        {1, "駅", M},
        {1, "A", M},
        // kanji start at 0x889F (亜); the code just below it is kana-side
        {2, "亜", G},
        {2, "駅", G},
        {2, "A", G},
        {2, "あ", M},
        {2, "Ａ", M},
        {2, "ヴ", M},
        {3, "亜", M},
        {3, "A", M},
        {3, "あ", G},
        {4, "０", G},
        {4, "５", G},
        {4, "Ａ", G},
        {4, "ｚ", G},
        {4, "あ", M},
        {4, "駅", M},
        {4, "5", M},
        {4, "・", M},
        {-1, "あ", G},
        {5, "駅", G},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ChimeiText::faceFor(r.mode, QString::fromUtf8(r.ch)), r.face)
            << "mode " << r.mode << " " << r.ch;
    // The first of two half-width characters decides.
    EXPECT_EQ(ChimeiText::faceFor(2, QStringLiteral("Aあ")), G);
}

TEST(ChimeiLayout, SpreadsShortNamesAndScrollsLongOnes) {
    struct Row {
        int cells;
        bool prefix;
        int firstX, pitch, width, startX;
        bool scrolls;
    };
    const Row rows[] = {
        {1, false, 188, 0, 432, 0, false},  {2, false, 135, 108, 432, 0, false},
        {3, false, 81, 108, 432, 0, false}, {4, false, 67, 81, 432, 0, false},
        {5, false, 27, 81, 432, 0, false},  {6, false, 21, 66, 432, 0, false},
        {7, false, 18, 57, 432, 0, false},  {8, false, 0, 54, 432, 0, false},
        {9, false, 0, 54, 486, 432, true},  {20, false, 0, 54, 1080, 432, true},
        {1, true, 242, 0, 432, 0, false},   {2, true, 188, 108, 432, 0, false},
        {3, true, 162, 81, 432, 0, false},  {4, true, 135, 72, 432, 0, false},
        {5, true, 135, 54, 432, 0, false},  {6, true, 108, 54, 432, 0, false},
        {7, true, 108, 54, 486, 0, true},   {8, true, 108, 54, 540, 0, true},
        {9, true, 108, 54, 594, 432, true},
    };
    for (const Row& r : rows) {
        const ChimeiLayout l = ChimeiLayout::of(2 * r.cells, r.cells, r.prefix);
        SCOPED_TRACE(testing::Message() << r.cells << " cells, prefix " << r.prefix);
        EXPECT_EQ(l.firstX, r.firstX);
        EXPECT_EQ(l.pitch, r.pitch);
        EXPECT_EQ(l.stripWidth, r.width);
        EXPECT_EQ(l.stripStartX, r.startX);
        EXPECT_EQ(l.scrolls, r.scrolls);
    }
}

TEST(ChimeiLayout, ALoneHalfWidthCharacterStandsAtTheLeftOrAfterThePrefix) {
    EXPECT_EQ(ChimeiLayout::of(1, 1, false).firstX, 0);
    EXPECT_EQ(ChimeiLayout::of(1, 1, true).firstX, 108);
    EXPECT_FALSE(ChimeiLayout::of(1, 1, true).scrolls);
    // An odd final byte has a cell of its own: "駅A" is laid out as two cells.
    EXPECT_EQ(ChimeiLayout::of(3, 2, false).firstX, 135);
    EXPECT_EQ(ChimeiLayout::of(3, 2, false).pitch, 108);
}

TEST(ChimeiScroll, StepsFollowTheClockAtTheStepRule) {
    ChimeiScroll s;
    s.start(1000, 432, 1080);
    EXPECT_TRUE(s.advance(1000, 200, 1500));
    EXPECT_EQ(s.stripX(), 431); // the first step takes the whole-pixel part only
    s.advance(1000 + 15, 200, 1500);
    EXPECT_EQ(s.stripX(), 431);
    s.advance(1016, 200, 1500);
    EXPECT_EQ(s.stripX(), 429);
    const int before = s.stripX();
    s.advance(2016, 200, 1500);
    EXPECT_EQ(before - s.stripX(), 128);

    ChimeiScroll fast;
    fast.start(0, 432, 1080);
    fast.advance(0, 2000, 0);
    const int x0 = fast.stripX();
    fast.advance(1000, 2000, 0);
    EXPECT_EQ(x0 - fast.stripX(), 1280);
}

TEST(ChimeiScroll, SlowSpeedsMoveByFractions) {
    ChimeiScroll s;
    s.start(0, 432, 1080);
    s.advance(0, 5, 0);
    EXPECT_EQ(s.stripX(), 432);
    s.advance(qint64(ChimeiScroll::StepMs * 40), 5, 0); // 40 × 0.025 px
    EXPECT_NEAR(s.position(), 431.0, 1e-6);
    EXPECT_EQ(s.stripX(), 431);
}

TEST(ChimeiScroll, PausesAfterEachPassAndGuardsOddValues) {
    ChimeiScroll s;
    s.start(0, 432, 486);
    // 918 px to leave the frame at 20 px a step.
    s.advance(0, 2000, 1500);
    qint64 t = 0;
    while (!s.pausing() && t < 10000)
        s.advance(t += 1, 2000, 1500);
    ASSERT_TRUE(s.pausing());
    EXPECT_EQ(s.stripX(), 432);
    const qint64 wrapped = t;
    s.advance(wrapped + 1490, 2000, 1500);
    EXPECT_EQ(s.stripX(), 432);
    s.advance(wrapped + 1500, 2000, 1500);
    EXPECT_LT(s.stripX(), 432);

    // A negative pause does not hang the scroll; a stall resumes from now.
    ChimeiScroll n;
    n.start(0, 432, 54);
    n.advance(0, 32767, -1);
    n.advance(100, 32767, -1);
    EXPECT_TRUE(n.running());
    n.advance(qint64(1) << 40, -32768, 0);
    EXPECT_TRUE(n.running());
    n.stop();
    EXPECT_EQ(n.stripX(), 0);
}
