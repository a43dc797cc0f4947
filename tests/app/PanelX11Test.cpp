// The operation panel and the options dialog under a real X server and window manager, driven
// as a user without a mouse drives them: real key presses (xdotool) and the actions a screen
// reader uses (AT-SPI). Run by x11_session.sh; every wait polls with a deadline.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "panel/BacklightFrame.h"
#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "platform/QtColour.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr int Deadline = 20000; // ms: far beyond what a loaded machine needs

// Sends real key presses (xdotool key names) to the window that has the keyboard.
void press(const QStringList& keys) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
    ASSERT_TRUE(xdotool.waitForFinished(Deadline) && xdotool.exitCode() == 0)
        << xdotool.readAllStandardError().toStdString();
}

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace

class PanelX11Test : public OptionsFixture {
  protected:
    void activate(QWidget* window) {
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor(
            [window] {
                const QWidget* focus = QApplication::focusWidget();
                return QApplication::activeWindow() == window && focus && focus->window() == window;
            },
            Deadline));
    }

    // Presses Tab and returns the control the focus moved to.
    QWidget* tab() {
        const QWidget* before = QApplication::focusWidget();
        press({QStringLiteral("Tab")});
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return QApplication::focusWidget() != before; }, Deadline));
        return QApplication::focusWidget();
    }

    // Does AT-SPI action `action` on the control whose accessible name is `name` in `window`,
    // from another process, while this one keeps answering.
    void atspi(const QWidget& window, const QString& name, const QString& action) {
        QProcess tool;
        // Debian's Python, which has the AT-SPI bindings, whatever python3 comes first.
        tool.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral(K41_TESTS_DIR "/app/atspi_action.py"),
                    QString::number(QCoreApplication::applicationPid()), window.windowTitle(), name,
                    action});
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, Deadline * 2));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
};

TEST_F(PanelX11Test, TabFollowsTheVisibleControlsInReadingOrder) {
    startWith(sampleSettings());
    activate(&panel());
    EXPECT_EQ(focusName(), "CommandButton1(7)") << "the first key of the face in front";
    QStringList order{focusName()};
    for (int i = 0; i < 40 && (order.size() < 2 || order.last() != order.first()); ++i) {
        QWidget* focus = tab();
        ASSERT_TRUE(focus && focus->isVisible()) << focusName().toStdString();
        ASSERT_FALSE(panel().dialFace->isAncestorOf(focus));
        order << focus->objectName();
    }
    EXPECT_EQ(order.mid(0, 14).join(' '),
              "CommandButton1(7) CommandButton1(8) CommandButton1(9) CommandButton1(4) "
              "CommandButton1(5) CommandButton1(6) CommandButton1(1) CommandButton1(2) "
              "CommandButton1(3) CommandButton1(0) CommandButton1(10) CommandButton1(11) "
              "Command1(1) Check4");
    EXPECT_FALSE(order.contains("Combo1")) << "the closed preview's list is out of sight";

    // The dials in front: they take the focus, the keys no longer.
    panel().Frame1_DblClick(1);
    for (int i = 0; i < 30 && !panel().dialFace->isAncestorOf(QApplication::focusWidget()); ++i)
        ASSERT_FALSE(panel().keypadFace->isAncestorOf(tab()));
    EXPECT_EQ(focusName(), "List2(0)");
    // A digit sets the dial under focus.
    press({QStringLiteral("4"), QStringLiteral("Tab"), QStringLiteral("KP_2")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel().dialFace->routeText() == "42"; }, Deadline))
        << panel().dialFace->routeText().toStdString();
}

TEST_F(PanelX11Test, KeysActAsClicksOnTheirControls) {
    startWith(sampleSettings());
    activate(&panel());
    const KeypadFace& keypad = *panel().keypadFace;
    press({"slash", "1", "asterisk", "KP_2", "BackSpace", "KP_Divide", "KP_1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return keypad.Label2[0]->text() == "1"; }, Deadline));
    ASSERT_TRUE(QTest::qWaitFor([&] { return keypad.Label2[2]->text() == "2"; }, Deadline));
    press({"asterisk", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return keypad.Label2[2]->text() == "1"; }, Deadline));

    // "+" pressed while the first load's lamp test holds the input finds データ送り greyed:
    // dropped, as a click on it would be.
    press({"Return", "plus"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel().Command2[1]->isEnabled(); }, Deadline));
    const int first = panel().routeState().CurStop;
    // Each step is seen through the section display typed after it: by then it was handled.
    auto thenSection = [&](const char* key, const char* digit, const QString& shown) {
        press({key, digit});
        EXPECT_TRUE(QTest::qWaitFor([&] { return keypad.Label2[2]->text() == shown; }, Deadline))
            << keypad.Label2[2]->text().toStdString();
    };
    thenSection("KP_Add", "7", "17");
    EXPECT_EQ(panel().routeState().CurStop, first + 1);
    thenSection("minus", "KP_Home", "177"); // the keypad's 7 with Num Lock off
    EXPECT_EQ(panel().routeState().CurStop, first);

    press({"KP_Delete"}); // the keypad's "." with Num Lock off
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel().Check1->isChecked(); }, Deadline));
    press({"plus", "period"}); // greyed while cleared: nothing
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel().Check1->isChecked(); }, Deadline));
    EXPECT_EQ(panel().routeState().CurStop, first);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(PanelX11Test, ChoiceButtonsActOnKeysAndAccessibilityActions) {
    startWith(sampleSettings());
    activate(&panel());
    // A focused control without a key of its own takes Space as usual.
    panel().Option4[1]->setFocus();
    press({"space"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel().backlightFrame->selected() == 1; }, Deadline));
    atspi(panel(), QStringLiteral("ON2"), QStringLiteral("Toggle"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel().backlightFrame->selected() == 2; }, Deadline));
    EXPECT_EQ(board().lblSeiriNum[1]->palette().color(QPalette::WindowText),
              QColor(Colour::toQColor(board().settings().SeiriNumColorOn2)));
    atspi(panel(), QStringLiteral(">>"), QStringLiteral("Toggle"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel().Check4->text() == "<<"; }, Deadline));

    showOptions();
    atspi(options(), QStringLiteral("デジタル部品と情報用数字"), QStringLiteral("Toggle"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return options().pages->currentIndex() == 2; }, Deadline));
    atspi(options(), QStringLiteral("停名の設定"), QStringLiteral("Toggle"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return options().pages->currentIndex() == 3; }, Deadline));
}
