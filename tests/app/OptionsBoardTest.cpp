// The options dialog opened from the panel's "設定...": what reaches the board, and when.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "app/options/ColourButton.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/SegmentFont.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/frmCtl.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QtMath>

namespace {

// The colour a segment of a digit's cell shows on its back buffer.
QColor segmentColour(const M_Degit& digit, int cell, SegmentFont::Segment segment) {
    const QImage& image = digit.backBuffer();
    const QSize cellSize = SegmentFont::cellPixels(digit.DegitSize());
    const QPointF centre =
        SegmentFont::segmentCentre(segment, SegmentFont::faceForStyle(digit.DegitStyle()),
                                   QSizeF(cellSize), true) +
        QPointF(cell * cellSize.width(), 0);
    const QPointF at = centre * image.devicePixelRatio();
    return image.pixelColor(qFloor(at.x()), qFloor(at.y()));
}

// Whether any dot of the stop-name strip has `colour`.
bool stripShows(const ChimeiCtl_DX& line, QColor colour) {
    const QImage strip = line.strip().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (strip.pixelColor(x, y) == colour) return true;
    return false;
}

} // namespace

class OptionsBoardTest : public OptionsFixture {};

TEST_F(OptionsBoardTest, ADigitColourShowsInThePreviewAtOnceAndOnTheBoardOnlyAfterOK) {
    start();
    useFakePickers();
    const QColor oldUnlit = Colour::toQColor(9868950);
    colourAnswers = {Colour::rgb(0, 0, 255), Colour::rgb(255, 0, 0)};
    withOptionsOpen([&](frmOption&) {
        EXPECT_FALSE(board().isEnabled());
        EXPECT_FALSE(panel().isEnabled());
        page(2);
        const M_Degit& preview = *find<M_Degit>("M_Degit1");
        clickOn("Command8(1)"); // unlit segments
        EXPECT_EQ(segmentColour(preview, 0, SegmentFont::SegA), QColor(0, 0, 255));
        clickOn("Command8(2)"); // lit segments: the preview shows " 180"
        EXPECT_EQ(segmentColour(preview, 1, SegmentFont::SegB), QColor(255, 0, 0));
        clickOn("Command8(0)"); // cancelled: the preview keeps what the buttons hold
        EXPECT_EQ(segmentColour(preview, 1, SegmentFont::SegB), QColor(255, 0, 0));
        EXPECT_EQ(segmentColour(*board().Degit[1], 0, SegmentFont::SegA), oldUnlit)
            << "the board waits for OK";
        EXPECT_EQ(board().Degit[1]->DegitForeColor(), 7525112u);
    });
    EXPECT_TRUE(board().isEnabled());
    EXPECT_TRUE(panel().isEnabled());
    EXPECT_EQ(segmentColour(*board().Degit[1], 0, SegmentFont::SegA), QColor(0, 0, 255));
    EXPECT_EQ(segmentColour(*board().Degit[24], 3, SegmentFont::SegG), QColor(0, 0, 255));
    EXPECT_EQ(board().Degit[7]->DegitForeColor(), Colour::rgb(255, 0, 0));
    EXPECT_EQ(board().TimeDegit[1]->BaseForeColor(), Colour::rgb(0, 0, 255));
}

TEST_F(OptionsBoardTest, OKTwiceWithoutChangesLeavesTheBoardAsItWas) {
    startWith(sampleSettings());
    loadFromKeypad("1", "1");
    click(panel().Command2[1]);
    const QImage before = board().grab().toImage();
    withOptionsOpen([](frmOption&) {});
    withOptionsOpen([](frmOption&) {});
    EXPECT_EQ(board().grab().toImage(), before);
}

TEST_F(OptionsBoardTest, TheStopNameIsDrawnAgainWhenTheDialogCloses) {
    startWith(sampleSettings());
    useFakePickers();
    loadFromKeypad("1", "1");
    click(panel().Command2[1]);
    ChimeiCtl_DX& line = *board().ChimeiCtl;
    const QString shown = line.accessibleDescription();
    ASSERT_TRUE(shown.startsWith("次は")) << shown.toStdString();

    // Without changes: cleared and drawn again from the current row.
    line.SetChimei("ほかの名前");
    withOptionsOpen([](frmOption&) {});
    EXPECT_EQ(line.accessibleDescription(), shown);

    // Changed colours and prefix show on the line as soon as the dialog closes.
    colourAnswers = {Colour::rgb(0, 255, 255)};
    withOptionsOpen([&](frmOption&) {
        page(3);
        clickOn("Command9(1)");
        choose("Combo6", 0);
    });
    EXPECT_TRUE(stripShows(line, QColor(0, 255, 255)));
    EXPECT_FALSE(line.accessibleDescription().startsWith("次は")) << "「次は」表示なし";
}

TEST_F(OptionsBoardTest, TicketNumberSettingsReachTheBoardOnOK) {
    start();
    useFakePickers();
    click(panel().Option4[2]); // ON2
    colourAnswers = {Colour::rgb(10, 20, 30)};
    withOptionsOpen([&](frmOption&) {
        page(1);
        choose("Combo2", 3);
        clickOn("Check2");
        clickOn("Command5(2)");
        EXPECT_EQ(board().lblSeiriNum[2]->text(), "２");
    });
    EXPECT_EQ(board().lblSeiriNum[1]->text(), "な し");
    EXPECT_EQ(board().lblSeiriNum[2]->text(), "０２");
    EXPECT_EQ(board().lblSeiriNum[9]->palette().color(QPalette::WindowText), QColor(10, 20, 30))
        << "the colour of the state selected on the panel";
    withOptionsOpen([&](frmOption&) {
        page(1);
        clickOn("Check1");
    });
    EXPECT_TRUE(board().lblSeiriNum[5]->isHidden());
}

TEST_F(OptionsBoardTest, ClosingTheWindowOrEscapeAppliesLikeOK) {
    start();
    useFakePickers();
    colourAnswers = {Colour::rgb(1, 2, 3), Colour::rgb(4, 5, 6)};
    withOptionsOpen([&](frmOption& dialog) {
        page(2);
        clickOn("Command8(0)");
        dialog.close();
    });
    EXPECT_EQ(board().Degit[5]->BackColor(), Colour::rgb(1, 2, 3));
    withOptionsOpen([&](frmOption& dialog) {
        clickOn("Command8(0)");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(board().Degit[5]->BackColor(), Colour::rgb(4, 5, 6));
    EXPECT_EQ(options().currentPage(), OptionPage::Digits) << "the last page stays in front";
}
