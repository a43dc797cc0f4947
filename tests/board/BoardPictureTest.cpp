// The three built-in board pictures: lit states glow where the backlight shines through (rim,
// housing, ticket-number strips) and leave the display windows as they are.
#include "app/BoardPicture.h"
#include "app/BoardLayout.h"
#include "platform/QtColour.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

QColor at(const QImage& img, const QPoint& p) {
    return img.pixelColor(p);
}

// Middle of the ticket-number strip above fare digit `i`.
QPoint stripOf(int i) {
    return BoardLayout::pixels(BoardLayout::labelTwips(i)).center();
}

} // namespace

TEST(BoardPicture, LitStatesGlowWhereTheBacklightShinesAndDifferFromEachOther) {
    const QImage off = BoardPicture::image(0);
    const QImage on1 = BoardPicture::image(1);
    const QImage on2 = BoardPicture::image(2);
    for (const QImage* pic : {&off, &on1, &on2})
        ASSERT_EQ(pic->size(), QSize(544, 335));

    const QPoint rim(2, 160);
    const QPoint housing(20, 100);
    for (int i : {1, 13, 24}) {
        const QPoint strip = stripOf(i);
        EXPECT_LT(at(off, strip).lightness(), 60) << i;
        for (const QImage* lit : {&on1, &on2}) {
            EXPECT_GT(at(*lit, strip).lightness(), at(off, strip).lightness() + 30) << i;
            EXPECT_GT(at(*lit, strip).saturation(), 150) << i;
        }
        // ON1 is warm, ON2 cool.
        EXPECT_GT(at(on1, strip).red(), at(on1, strip).blue() + 80) << i;
        EXPECT_GT(at(on2, strip).blue(), at(on2, strip).red() + 80) << i;
    }
    for (const QImage* lit : {&on1, &on2})
        EXPECT_GT(at(*lit, rim).lightness(), at(off, rim).lightness() + 60);
    EXPECT_NE(at(on1, rim), at(on2, rim));
    EXPECT_NE(at(off, housing), at(on1, housing));
    EXPECT_NE(at(off, housing), at(on2, housing));
    EXPECT_NE(at(on1, housing), at(on2, housing));

    // The default number colour of the lit states stays readable on the lit strips.
    const QColor numbers = Colour::toQColor(Settings().SeiriNumColorOn1);
    for (const QImage* lit : {&on1, &on2})
        EXPECT_GT(numbers.lightness(), at(*lit, stripOf(7)).lightness() + 80);
}

TEST(BoardPicture, DisplayWindowsLookTheSameInEveryState) {
    const QImage off = BoardPicture::image(0);
    const QRect stopName = BoardLayout::pixels(BoardLayout::ChimeiTwips);
    for (int state : {1, 2}) {
        const QImage lit = BoardPicture::image(state);
        EXPECT_EQ(lit.copy(stopName), off.copy(stopName)) << state;
        for (int i = 1; i <= BoardLayout::Cells; ++i) {
            const QRect fare = BoardLayout::pixels(BoardLayout::degitTwips(i));
            EXPECT_EQ(lit.copy(fare), off.copy(fare)) << state << " " << i;
        }
    }
    // Indexes other than the three states give the unlit face.
    EXPECT_EQ(BoardPicture::image(3), off);
    EXPECT_EQ(BoardPicture::image(-1), off);
}
