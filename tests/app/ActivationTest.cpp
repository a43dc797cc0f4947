// Buttons of which one is down (the options dialog's page buttons, the sound sub-pages, the
// backlight states) act once however they are chosen: a click, a key, or an assistive
// technology's "Toggle" action, which checks a button without clicking it.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "app/options/SoundPage.h"
#include "panel/BacklightFrame.h"
#include "panel/frmCtl.h"
#include "platform/QtColour.h"
#include "tests/common/TestUtil.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace {

void act(QWidget* control, const QString& action) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    ASSERT_TRUE(face && face->actionInterface()) << control->objectName().toStdString();
    ASSERT_TRUE(face->actionInterface()->actionNames().contains(action));
    face->actionInterface()->doAction(action);
}
// What a checkable button offers assistive technology: "Toggle" only, no "Press".
const QString Toggle = QAccessibleActionInterface::toggleAction();

} // namespace

class ActivationTest : public OptionsFixture {};

TEST_F(ActivationTest, APageButtonToggledByAssistiveTechnologyBringsItsPage) {
    startWith(sampleSettings());
    showOptions();
    act(options().Option1[2], Toggle);
    EXPECT_EQ(options().pages->currentIndex(), 2);
    EXPECT_TRUE(options().Option1[2]->isChecked());
    options().Option1[4]->setFocus();
    QTest::keyClick(options().Option1[4], Qt::Key_Space);
    EXPECT_EQ(options().pages->currentIndex(), 4);

    SoundPage& sound = *options().sound;
    ASSERT_TRUE(sound.Option5[1]->isChecked());
    act(sound.Option5[0], Toggle);
    EXPECT_EQ(sound.subPages->currentIndex(), 0);

    // Called by the program, the page's button follows.
    options().Option1_Click(3);
    EXPECT_TRUE(options().Option1[3]->isChecked());
}

TEST_F(ActivationTest, EveryWayOfChoosingABacklightRunsItOnce) {
    // Each run of a backlight state with an unreadable picture shows one error box.
    const QString bad = dir.filePath(QStringLiteral("bad.bmp"));
    TestUtil::writeFile(bad, QByteArray("not a picture"));
    In4File file = sampleSettings();
    Settings& s = file.options;
    s.SeiriNumColorOn2 = Colour::rgb(0, 220, 255);
    s.PanelAssignAuto = false;
    s.PanelAssignEach = true;
    s.PanelOn1Builtin = false;
    s.PanelOn1User = true;
    s.PanelOn1File = bad;
    startWith(file);
    QPushButton* on1 = panel().Option4[1];

    on1->setFocus();
    QTest::keyClick(on1, Qt::Key_Space);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(panel().backlightFrame->selected(), 1);

    click(on1); // already down: read again, once
    EXPECT_EQ(errors.size(), 2);
    act(on1, Toggle); // cannot be raised: nothing changes, nothing runs
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(panel().backlightFrame->selected(), 1);

    act(panel().Option4[2], Toggle);
    EXPECT_EQ(panel().backlightFrame->selected(), 2);
    EXPECT_EQ(board().lblSeiriNum[1]->palette().color(QPalette::WindowText), QColor(0, 220, 255));
    EXPECT_EQ(errors.size(), 2);
}
