// What the stop-name strip shows: cell positions, prefix, faces, weights and the glyph dots.
#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/DotGlyph.h"
#include "platform/Fonts.h"
#include "tests/stopname/StripDots.h"

#include <gtest/gtest.h>

namespace {

const QRgb Name = qRgb(255, 192, 128);   // dot colour of a new control
const QRgb Prefix = qRgb(255, 185, 121); // "次は"

DotPattern gothic(const QString& ch, bool bold = false) {
    return DotGlyph::pattern(ch, Fonts::Gothic, DotGlyph::Size14pt, bold);
}
DotPattern mincho(const QString& ch) {
    return DotGlyph::pattern(ch, Fonts::Mincho, DotGlyph::Size14pt, false);
}

// Checks that each character of `name` sits at firstX + i × pitch in the name's colour and
// that nothing of that colour lies outside those cells.
void expectCells(const ChimeiCtl_DX& c, const QStringList& cells, int firstX, int pitch) {
    int inked = 0;
    for (int i = 0; i < cells.size(); ++i) {
        const int x = firstX + i * pitch;
        SCOPED_TRACE(testing::Message() << "cell " << i << " at " << x);
        const DotPattern expected = gothic(cells[i]);
        ASSERT_GT(expected.count(), 0);
        EXPECT_EQ(StripDots::at(c.strip(), x, 0, Name), expected);
        inked += expected.count() * 4;
    }
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 0, c.strip().width(), Name), inked);
}

QStringList chars(const QString& s) {
    QStringList out;
    for (QChar ch : s)
        out << QString(ch);
    return out;
}

} // namespace

TEST(ChimeiDraw, ShortNamesAreSpreadAcrossTheFrame) {
    ChimeiCtl_DX c;
    c.SetChimei(QStringLiteral("駅"));
    expectCells(c, {QStringLiteral("駅")}, 188, 0);
    EXPECT_EQ(c.accessibleDescription(), QStringLiteral("駅"));

    c.SetChimei(QStringLiteral("市役所前"));
    expectCells(c, chars(QStringLiteral("市役所前")), 67, 81);
    EXPECT_FALSE(c.scrolling());
    EXPECT_EQ(c.stripX(), 0);
}

TEST(ChimeiDraw, PrefixTakesTheTwoLeftCellsAndShiftsTheName) {
    ChimeiCtl_DX c;
    c.setTsugiwaMode(2);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
    EXPECT_EQ(StripDots::at(c.strip(), 54, 0, Prefix), gothic(QStringLiteral("は")));
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 108, 432, Prefix), 0);
    expectCells(c, {QStringLiteral("駅")}, 242, 0);
    EXPECT_EQ(c.accessibleDescription(), QStringLiteral("次は駅"));

    // Six cells and the prefix fill the frame exactly.
    c.SetChimei(QStringLiteral("中央公園入口"));
    expectCells(c, chars(QStringLiteral("中央公園入口")), 108, 54);
    EXPECT_FALSE(c.scrolling());
    EXPECT_EQ(c.stripWidth(), 432);

    // Seven do not: the strip grows to nine cells and scrolls.
    c.SetChimei(QStringLiteral("中央公園北入口"));
    expectCells(c, chars(QStringLiteral("中央公園北入口")), 108, 54);
    EXPECT_TRUE(c.scrolling());
    EXPECT_EQ(c.stripWidth(), 486);
}

TEST(ChimeiDraw, EightCellsFillTheFrameAndNineScrollInFromTheRight) {
    ChimeiCtl_DX c;
    c.SetChimei(QStringLiteral("一二三四五六七八"));
    expectCells(c, chars(QStringLiteral("一二三四五六七八")), 0, 54);
    EXPECT_FALSE(c.scrolling());
    EXPECT_EQ(c.stripX(), 0);
    EXPECT_EQ(c.stripWidth(), 432);

    c.SetChimei(QStringLiteral("一二三四五六七八九"));
    expectCells(c, chars(QStringLiteral("一二三四五六七八九")), 0, 54);
    EXPECT_TRUE(c.scrolling());
    EXPECT_EQ(c.stripWidth(), 486);
    EXPECT_EQ(c.stripX(), 432); // speed 5 moves a fraction of a pixel per step
}

TEST(ChimeiDraw, HalfWidthCharactersShareOrKeepCells) {
    ChimeiCtl_DX c;
    // Odd byte count: the last single byte is drawn in a cell of its own.
    c.SetChimei(QStringLiteral("ABC"));
    expectCells(c, {QStringLiteral("AB"), QStringLiteral("C")}, 135, 108);

    // One full cell and a half-width character do not overlap.
    c.SetChimei(QStringLiteral("駅A"));
    expectCells(c, {QStringLiteral("駅"), QStringLiteral("A")}, 135, 108);

    // A half-width character before a full-width one keeps the full-width one whole.
    c.SetChimei(QStringLiteral("1系統"));
    expectCells(c, {QStringLiteral("1"), QStringLiteral("系"), QStringLiteral("統")}, 81, 108);

    c.SetChimei(QStringLiteral("A"));
    expectCells(c, {QStringLiteral("A")}, 0, 0);
    // With the prefix it stands right after it instead of on top of "次".
    c.setTsugiwaMode(2);
    c.SetChimei(QStringLiteral("A"));
    expectCells(c, {QStringLiteral("A")}, 108, 0);
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
}

TEST(ChimeiDraw, VerticalFormsAreDrawnUpright) {
    ChimeiCtl_DX c;
    c.SetChimei(QStringLiteral("↑"));
    EXPECT_EQ(StripDots::at(c.strip(), 188, 0, Name), gothic(QStringLiteral("←")));
    EXPECT_NE(gothic(QStringLiteral("↑")), gothic(QStringLiteral("←")));
    c.SetChimei(QStringLiteral("丨"));
    EXPECT_EQ(StripDots::at(c.strip(), 188, 0, Name), gothic(QStringLiteral("ー")));
    EXPECT_EQ(c.accessibleDescription(), QStringLiteral("丨"));
}

TEST(ChimeiDraw, FontModeFourDrawsLettersAndDigitsInGothicAndTheRestInMincho) {
    ChimeiCtl_DX c;
    c.setFontMode(4);
    c.SetChimei(QStringLiteral("Ａ５あ駅"));
    const QStringList cells = chars(QStringLiteral("Ａ５あ駅"));
    for (int i = 0; i < 4; ++i) {
        const QString& ch = cells[i];
        SCOPED_TRACE(ch.toStdString());
        ASSERT_NE(gothic(ch), mincho(ch)); // the faces must differ for the check to mean anything
        EXPECT_EQ(StripDots::at(c.strip(), 67 + 81 * i, 0, Name), i < 2 ? gothic(ch) : mincho(ch));
    }
}

TEST(ChimeiDraw, SmallerHaSitsFourPixelsLower) {
    ChimeiCtl_DX c;
    c.setTsugiwaMode(1);
    c.SetChimei(QStringLiteral("駅"));
    const DotPattern ha = StripDots::at(c.strip(), 54, 0, Prefix);
    EXPECT_EQ(ha,
              DotGlyph::pattern(QStringLiteral("は"), Fonts::Gothic, DotGlyph::Size12pt, false, 4));
    EXPECT_LT(ha.count(), gothic(QStringLiteral("は")).count());
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(ha.rows[r], 0u) << "row " << r;
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
}

TEST(ChimeiDraw, BoldOnlyWhereAsked) {
    ChimeiCtl_DX c;
    c.setTsugiwaMode(2);
    c.setFontBold(true);
    c.SetChimei(QStringLiteral("駅"));
    ASSERT_GT(gothic(QStringLiteral("駅"), true).count(), gothic(QStringLiteral("駅")).count());
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
    EXPECT_EQ(StripDots::at(c.strip(), 54, 0, Prefix), gothic(QStringLiteral("は")));
    EXPECT_EQ(StripDots::at(c.strip(), 242, 0, Name), gothic(QStringLiteral("駅"), true));

    c.setFontBold(false);
    c.setTsugiwaBold(true);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次"), true));
    EXPECT_EQ(StripDots::at(c.strip(), 242, 0, Name), gothic(QStringLiteral("駅")));
}

TEST(ChimeiDraw, PrefixFaceModesIncludingTheLastFaceOfTheSamplingBox) {
    ChimeiCtl_DX c;
    c.setTsugiwaMode(2);
    c.setTsugiwaFontMode(1);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(StripDots::at(c.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
    EXPECT_EQ(StripDots::at(c.strip(), 54, 0, Prefix), mincho(QStringLiteral("は")));

    // -1 keeps the face the box had last: a new control's design face, then the face of the
    // last character drawn.
    ChimeiCtl_DX fresh;
    fresh.setTsugiwaFontMode(-1);
    fresh.setTsugiwaMode(2);
    fresh.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(StripDots::at(fresh.strip(), 0, 0, Prefix), gothic(QStringLiteral("次")));
    fresh.setFontMode(1);
    fresh.SetChimei(QStringLiteral("駅"));
    fresh.setFontMode(0);
    fresh.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(StripDots::at(fresh.strip(), 0, 0, Prefix), mincho(QStringLiteral("次")));
    EXPECT_EQ(StripDots::at(fresh.strip(), 242, 0, Name), gothic(QStringLiteral("駅")));
}

TEST(ChimeiDraw, EmptyNameBlanksTheStrip) {
    ChimeiCtl_DX c;
    c.setTsugiwaMode(1);
    c.SetChimei(QStringLiteral("駅前"));
    c.SetChimei(QString());
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(64, 64, 64)), 432 * 56);
    EXPECT_EQ(c.accessibleDescription(), QString());
}

TEST(ChimeiDraw, GlyphDotsAreTheExactlyBlackPixelsOfAnUnsmoothedPrint) {
    for (const QString& face : {Fonts::Gothic, Fonts::Mincho}) {
        // The installed family alone: with the face name as a second family, Qt would ask
        // fontconfig for fallback fonts for every script on a name's first drawing.
        EXPECT_EQ(DotGlyph::font(face, DotGlyph::Size14pt, false).families(),
                  QStringList{Fonts::substitute(face)});
        const QImage box = DotGlyph::sample(QStringLiteral("駅"), face, DotGlyph::Size14pt, false);
        const DotPattern dots =
            DotGlyph::pattern(QStringLiteral("駅"), face, DotGlyph::Size14pt, false);
        int black = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x) {
                const QRgb p = box.pixel(x, y) & 0xFFFFFF;
                EXPECT_TRUE(p == 0 || p == 0xFFFFFF) << "smoothed pixel at " << x << "," << y;
                EXPECT_EQ(dots.dot(x, y), p == 0);
                black += p == 0;
            }
        EXPECT_GT(black, 40);
    }
    // Printed once, kept afterwards.
    DotGlyph::pattern(QStringLiteral("停"), Fonts::Gothic, DotGlyph::Size14pt, false);
    const int kept = DotGlyph::cachedCount();
    DotGlyph::pattern(QStringLiteral("停"), Fonts::Gothic, DotGlyph::Size14pt, false);
    EXPECT_EQ(DotGlyph::cachedCount(), kept);
}

TEST(ChimeiDraw, OddInputNeverDrawsOutsideTheStrip) {
    ChimeiCtl_DX c;
    c.DrawDot54(-30, -30, QStringLiteral("駅"));
    c.DrawDot54(2147483600, 2147483600, QStringLiteral("駅"));
    c.DrawDot54(420, 40, QStringLiteral("駅"));
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 432, Name), 0);

    c.SetChimei(QString(5000, QChar(0x99C5)));
    EXPECT_EQ(c.stripWidth(), ChimeiCtl_DX::MaxCells * 54);
    c.SetChimei(QStringLiteral("\t\x01😀\uFFFF"));
    EXPECT_EQ(c.stripWidth(), 432);
    c.SetChimei(QStringLiteral("A\xD800"));
    EXPECT_TRUE(c.accessibleDescription().startsWith(QLatin1Char('A')));
}

TEST(ChimeiDraw, TheFrameShowsTheStripOnePixelAboveItsInside) {
    ChimeiCtl_DX c;
    c.setBackColor(Colour::rgb(0, 0, 80));
    c.SetChimei(QStringLiteral("駅"));
    const QImage shown = c.grab().toImage();
    int compared = 0;
    for (int y = 1; y < 54; ++y)
        for (int x = 0; x < 428; ++x) {
            // Border of the sunken frame: two pixels on each side.
            const QRgb expected = c.strip().pixel(x, y) & 0xFFFFFF;
            ASSERT_EQ(shown.pixel(x + 2, y + 1) & 0xFFFFFF, expected) << x << "," << y;
            compared += expected == (Name & 0xFFFFFF);
        }
    EXPECT_GT(compared, 100);
}
