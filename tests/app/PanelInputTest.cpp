// What the operation panel does with the user's clicks where they could be misread: clicks
// made while the panel waits, double-clicks on the entry faces, clicks on the digit dials.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class PanelInputTest : public AppFixture {};

TEST_F(PanelInputTest, ClicksOnGreyedButtonsDuringTheFirstLampTestAreDroppedOthersRunAfterIt) {
    lampTestMs = 1000;
    startWith(sampleSettings());
    QLabel* section = panel().keypadFace->Label2[2];
    key(10);
    key(1);
    key(11);
    key(2);
    bool greyedWhenClicked = false;
    QString sectionDuringWait;
    QTimer::singleShot(200, [&] {
        greyedWhenClicked = !panel().Command2[1]->isEnabled() && !panel().Check1->isEnabled();
        postClick(panel().Command2[1]);                   // データ送り
        postClick(panel().Check1);                        // 表示消去
        postClick(panel().keypadFace->CommandButton1[7]); // a digit key, usable
        QTimer::singleShot(300, [&] { sectionDuringWait = section->text(); });
    });
    click(panel().keypadFace->Command1); // the first load: its lamp test greys nothing new
    EXPECT_TRUE(greyedWhenClicked);
    EXPECT_EQ(sectionDuringWait, "2") << "the key is held while the lamp test runs";
    EXPECT_TRUE(QTest::qWaitFor([&] { return section->text() != "2"; }, 5000));
    EXPECT_EQ(section->text(), "27") << "the usable key is carried out after the wait";
    EXPECT_EQ(panel().routeState().CurStop, 1) << "データ送り was greyed when clicked";
    EXPECT_FALSE(panel().Check1->isChecked()) << "表示消去 was greyed when clicked";
    EXPECT_FALSE(board().ChimeiCtl->accessibleDescription().isEmpty()) << "nor blanked";
    EXPECT_TRUE(panel().Command2[1]->isEnabled());
}

TEST_F(PanelInputTest, OnlyADoubleClickOnTheFrameItselfFlipsTheEntryFaces) {
    startWith(sampleSettings());
    KeypadFace& keypad = *panel().keypadFace;
    DialFace& dials = *panel().dialFace;
    ASSERT_EQ(faceInFront(), 1);
    // The LED displays and the captions take their own double-clicks.
    for (QLabel* display : keypad.Label2)
        QTest::mouseDClick(display, Qt::LeftButton);
    EXPECT_EQ(faceInFront(), 1);

    const QPoint bare(3, 3);
    ASSERT_EQ(keypad.childAt(bare), nullptr);
    QTest::mouseDClick(&keypad, Qt::LeftButton, {}, bare);
    EXPECT_EQ(faceInFront(), 0);
    EXPECT_EQ(panel().frameIndex(), 1);

    for (const char* caption : {"Label5", "Label6", "Label7"})
        QTest::mouseDClick(dials.findChild<QLabel*>(caption), Qt::LeftButton);
    EXPECT_EQ(faceInFront(), 0);
    ASSERT_EQ(dials.childAt(bare), nullptr);
    QTest::mouseDClick(&dials, Qt::LeftButton, {}, bare);
    EXPECT_EQ(faceInFront(), 1);
}

TEST_F(PanelInputTest, ADialKeepsItsDigitOnceChosen) {
    startWith(sampleSettings());
    panel().Frame1_DblClick(1); // the dials in front
    QListWidget* dial = panel().dialFace->List2[4];
    auto clickDigit = [dial](int digit, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(dial->viewport(), Qt::LeftButton, modifiers,
                          dial->visualItemRect(dial->item(digit)).center());
    };
    clickDigit(2, {});
    EXPECT_EQ(panel().dialFace->routeText(), "2");
    clickDigit(2, Qt::ControlModifier);
    EXPECT_EQ(panel().dialFace->routeText(), "2") << "Ctrl+click leaves the digit chosen";
    dial->setFocus();
    QTest::keyClick(dial, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(panel().dialFace->routeText(), "2") << "so does Ctrl+Space";
    clickDigit(1, Qt::ControlModifier);
    EXPECT_EQ(panel().dialFace->routeText(), "1") << "another digit still moves the choice";
}
