// What the panel and the options dialog show is what they hold: the face in front alone takes
// the focus, the dials show their digits whole, the scroll settings the board uses are the
// panel's, colour buttons show their exact colour, captions and pages are laid out readably,
// and a character the settings file cannot hold is refused with a reason.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "app/options/ColourButton.h"
#include "app/options/DigitsPage.h"
#include "app/options/PageButton.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "platform/QtColour.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QToolTip>

class PanelLookTest : public OptionsFixture {};

TEST_F(PanelLookTest, OnlyTheFaceInFrontTakesTheFocus) {
    startWith(sampleSettings());
    ASSERT_EQ(faceInFront(), 1);
    EXPECT_FALSE(panel().dialFace->isVisible());
    EXPECT_EQ(panel().keypadFace->CommandButton1[5]->focusPolicy(), Qt::StrongFocus);
    panel().Frame1_DblClick(1);
    EXPECT_TRUE(panel().dialFace->isVisible());
    EXPECT_FALSE(panel().keypadFace->isVisible());
    EXPECT_EQ(faceInFront(), 0);
}

// The dial face is made when it first comes to the front, not at start, and then has what it
// would have had if made with the panel: its controls in order, their keys in the tooltips,
// the panel's font inside its styled frame, and the Tab order through it.
TEST_F(PanelLookTest, TheDialFaceIsMadeWhenFirstShownAndThenComplete) {
    startWith(sampleSettings());
    EXPECT_TRUE(panel().dialFace->findChildren<QWidget*>().isEmpty()) << "made at start";
    panel().Frame1_DblClick(1);
    const DialFace& dials = *panel().dialFace;
    QStringList names;
    for (QWidget* w : dials.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        names << w->objectName();
    EXPECT_EQ(names.join(' ').toStdString(),
              "Label5 Label6 List2(0) List2(1) List2(2) List2(3) List2(4) "
              "Label7 List3(0) List3(1) List3(2) Command1(0)");
    EXPECT_EQ(panel().Command1[0], dials.Command1);
    for (QWidget* w : {static_cast<QWidget*>(dials.List2[0]), static_cast<QWidget*>(dials.List3[2]),
                       static_cast<QWidget*>(dials.Command1)})
        EXPECT_TRUE(w->toolTip().startsWith(QStringLiteral("キー：")))
            << w->objectName().toStdString();
    const QString face = QFontInfo(panel().font()).family();
    EXPECT_EQ(QFontInfo(dials.Command1->font()).family(), face);
    EXPECT_EQ(QFontInfo(dials.findChild<QLabel*>("Label5")->font()).family(), face);

    // Tab as Qt moves it: along the focus chain to the next visible, enabled Tab stop.
    QStringList tabs;
    QWidget* at = dials.List2[0];
    for (int i = 0; i < 11; ++i) {
        tabs << at->objectName();
        do
            at = at->nextInFocusChain();
        while (
            !(at->isVisibleTo(&panel()) && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)));
    }
    EXPECT_EQ(tabs.join(' ').toStdString(),
              "List2(0) List2(1) List2(2) List2(3) List2(4) List3(0) List3(1) "
              "List3(2) Command1(0) Check4 Option4(0)");
    panel().Frame1_DblClick(0);
    panel().Frame1_DblClick(1);
    EXPECT_EQ(dials.findChildren<QListWidget*>().size(), 8) << "made once";
}

TEST_F(PanelLookTest, ControlsInsideFramesDrawInThePanelsFont) {
    startWith(sampleSettings());
    const QString face = QFontInfo(panel().font()).family();
    const QList<QWidget*> inFrames = {panel().tapeButtons[0], panel().Option4[0], panel().Check2,
                                      panel().Command1[1]};
    for (QWidget* w : inFrames) {
        EXPECT_EQ(QFontInfo(w->font()).family(), face) << w->objectName().toStdString();
        EXPECT_EQ(w->font().pointSizeF(), panel().font().pointSizeF());
    }
}

TEST_F(PanelLookTest, EachDialShowsItsDigitsWholeAndTheChoiceInSight) {
    startWith(sampleSettings());
    panel().Frame1_DblClick(1);
    for (QListWidget* dial : panel().dialFace->findChildren<QListWidget*>()) {
        SCOPED_TRACE(dial->objectName().toStdString());
        EXPECT_FALSE(dial->verticalScrollBar()->isVisible());
        EXPECT_FALSE(dial->horizontalScrollBar()->isVisible());
        const QRect digit = dial->visualItemRect(dial->item(8));
        EXPECT_GE(digit.width(), dial->fontMetrics().horizontalAdvance('8') + 4);
        EXPECT_LE(digit.right(), dial->viewport()->width());
        dial->setCurrentRow(9); // the arrow keys and the digit keys bring it into sight
        EXPECT_TRUE(dial->viewport()->rect().contains(dial->visualItemRect(dial->item(9))));
    }
}

TEST_F(PanelLookTest, TheStopNameScrollsAsTheSlidersShowFromTheStart) {
    start(); // no settings file: the sliders' own starting values
    const ChimeiCtl_DX& line = *board().ChimeiCtl;
    EXPECT_EQ(line.Speed(), panel().HScroll1[0]->value());
    EXPECT_EQ(line.ScrollStartWait(), panel().HScroll1[1]->value());
    stop();

    In4File file = sampleSettings();
    file.ctrl.ScrollSpeed = 1; // the same as a slider's start: no change to see
    file.ctrl.ScrollInterval = 700;
    startWith(file);
    EXPECT_EQ(board().ChimeiCtl->Speed(), 1);
    EXPECT_EQ(board().ChimeiCtl->ScrollStartWait(), 700);
    EXPECT_EQ(panel().Label1[0]->text(), "1");
}

TEST_F(PanelLookTest, AColourButtonShowsExactlyItsColourWithAnEdgeOnBlackAndWhite) {
    startWith(sampleSettings());
    showOptions();
    page(2);
    const std::array<OleColor, 3> colours = {Colour::rgb(255, 0, 0), Colour::rgb(0, 0, 0),
                                             Colour::rgb(255, 255, 255)};
    for (size_t i = 0; i < colours.size(); ++i) {
        ColourButton* button = options().digits->Command8[i];
        button->setColour(colours[i]);
        const QImage shown = options().grab().toImage();
        const QPoint at = button->mapTo(&options(), QPoint(0, 0));
        const QColor expected = Colour::toQColor(colours[i]);
        for (QPoint inside : {button->rect().center(), QPoint(4, 4)})
            EXPECT_EQ(shown.pixelColor(at + inside), expected) << i;
        // The edge: a dark and a light line, so one of them stands out on any colour.
        const QPoint edge = at + QPoint(0, button->height() / 2);
        EXPECT_EQ(shown.pixelColor(edge), QColor(Qt::black)) << i;
        EXPECT_EQ(shown.pixelColor(edge + QPoint(1, 0)), QColor(Qt::white)) << i;
    }
}

TEST_F(PanelLookTest, PageCaptionsBreakBetweenWordsAndThePreviewPageKeepsItsOrder) {
    startWith(sampleSettings());
    showOptions();
    for (QRadioButton* b : options().Option1) {
        const auto* pageButton = static_cast<PageButton*>(b);
        for (const QString& line : pageButton->shownText().split('\n'))
            EXPECT_LE(b->fontMetrics().horizontalAdvance(line), b->width() - 8)
                << line.toStdString() << " would wrap inside a word";
    }
    EXPECT_EQ(static_cast<PageButton*>(options().Option1[1])->shownText(),
              QStringLiteral("パネルと\n整理券番号表示"));

    page(5);
    auto* use = find<QCheckBox>("chkUseSeiriPrev");
    if (use->isChecked()) clickOn("chkUseSeiriPrev");
    EXPECT_LT(use->mapTo(&options(), QPoint(0, 0)).y(),
              options().pages->mapTo(&options(), QPoint(0, 0)).y() + 3 * use->height())
        << "the only control of the page stays at its top";
}

TEST_F(PanelLookTest, ACharacterTheSettingsFileCannotHoldIsRefusedWithItsReason) {
    startWith(sampleSettings());
    showOptions();
    auto* box = find<QLineEdit>("Text2(0)");
    typeInto("Text2(0)", QStringLiteral("Müller"));
    EXPECT_EQ(box->text(), QString()) << "refused whole, as typed in one piece";
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("「ü」")))
        << QToolTip::text().toStdString();
}
