// What the operation panel does with the user's clicks where they could be misread: clicks
// made while the panel waits, double-clicks on the entry faces, clicks on the digit dials.
#include "tests/app/AppFixture.h"

#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

class PanelInputTest : public AppFixture {};

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
