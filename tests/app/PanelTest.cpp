// The operation panel driven with mouse clicks on the real windows, checked on what the board
// shows: the fare digits' lamps, the stop-name line, the panel's enabled controls.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "faredata/Hy3File.h"
#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

namespace {

std::vector<FareRow> sampleRoute(int route) {
    return Hy3File::readRows(
        Hy3File::readFile(QStringLiteral(K41_SAMPLES_DIR "/fare/%1.hy3").arg(route)));
}

} // namespace

class PanelTest : public AppFixture {};

TEST_F(PanelTest, KeypadRouteLoadsFromTheSectionAndStepsStopByStop) {
    startWith(sampleSettings());
    const auto rows = sampleRoute(1);
    loadFromKeypad("1", "2");

    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(panel().routeState().CurStop, 1);
    EXPECT_EQ(fareShown(1), fareText(0)) << "ticket numbers below the section keep the load's 0";
    for (int t = 2; t <= 24; ++t)
        EXPECT_EQ(fareShown(t), fareText(rows[1].Fare(t))) << t;
    EXPECT_EQ(board().ChimeiCtl->accessibleDescription(), "次は" + rows[1].StopName);

    click(panel().Command2[1]); // データ送り
    EXPECT_EQ(panel().routeState().CurStop, 2);
    for (int t = 2; t <= 24; ++t)
        EXPECT_EQ(fareShown(t), fareText(rows[2].Fare(t))) << t;

    click(panel().Command2[0]); // データ戻し
    click(panel().Command2[0]);
    EXPECT_EQ(panel().routeState().CurStop, 0);
    EXPECT_EQ(board().ChimeiCtl->accessibleDescription(), rows[0].StopName)
        << "the first stop of a route is shown without 次は";

    // At the first row "データ戻し" changes nothing, not even a redraw.
    const QImage before = board().Degit[5]->backBuffer();
    const qint64 key = before.cacheKey();
    click(panel().Command2[0]);
    EXPECT_EQ(panel().routeState().CurStop, 0);
    EXPECT_EQ(board().Degit[5]->backBuffer().cacheKey(), key);

    // Stepping to the last row and once more stays there.
    for (size_t i = 1; i < rows.size() + 2; ++i)
        click(panel().Command2[1]);
    EXPECT_EQ(panel().routeState().CurStop, int(rows.size()) - 1);
}

TEST_F(PanelTest, DisplayClearBlanksTheBoardAndReleasingItRedrawsTheSameRow) {
    startWith(sampleSettings());
    const auto rows = sampleRoute(1);
    loadFromKeypad("1", "1");
    click(panel().Command2[1]);
    click(panel().Command2[1]);
    const QString shown5 = fareShown(5);

    click(panel().Check1);
    for (int t = 1; t <= 24; ++t)
        EXPECT_EQ(fareShown(t), "    ") << t;
    EXPECT_TRUE(board().ChimeiCtl->accessibleDescription().isEmpty());
    EXPECT_FALSE(panel().Frame1[0]->isEnabled());
    EXPECT_FALSE(panel().Frame1[1]->isEnabled());
    EXPECT_FALSE(panel().Command2[0]->isEnabled());
    EXPECT_FALSE(panel().Command2[1]->isEnabled());
    EXPECT_TRUE(panel().Check1->isEnabled());

    click(panel().Check1);
    EXPECT_EQ(panel().routeState().CurStop, 2);
    EXPECT_EQ(fareShown(5), shown5);
    EXPECT_EQ(fareShown(2), fareText(rows[2].Fare(2)));
    EXPECT_TRUE(panel().Frame1[1]->isEnabled());
    EXPECT_TRUE(panel().Command2[1]->isEnabled());
}

TEST_F(PanelTest, StateTableEnablesTheDataButtonsOnlyOnceARouteIsLoaded) {
    startWith(sampleSettings());
    EXPECT_FALSE(panel().Command2[0]->isEnabled());
    EXPECT_FALSE(panel().Command2[1]->isEnabled());
    EXPECT_FALSE(panel().Check1->isEnabled());
    loadFromKeypad("99", "1"); // no such route
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.at(0).startsWith("指定した系統のデータがありません...\r\n系統 99: "))
        << messages.at(0).toStdString();
    EXPECT_FALSE(panel().Command2[1]->isEnabled());
    loadFromKeypad("1", "1");
    EXPECT_TRUE(panel().Command2[0]->isEnabled());
    EXPECT_TRUE(panel().Check1->isEnabled());
}

TEST_F(PanelTest, KeypadFillsTheRouteAndSectionDisplaysByItsRules) {
    startWith(sampleSettings());
    QLabel* route = panel().keypadFace->Label2[0];
    QLabel* section = panel().keypadFace->Label2[2];
    key(4);
    key(2);
    EXPECT_EQ(section->text(), "42") << "digits before any 系統 go to the section";
    EXPECT_EQ(route->text(), "");
    key(10);
    for (int d : {1, 2, 3, 4, 5, 6})
        key(d);
    EXPECT_EQ(route->text(), "12345");
    EXPECT_EQ(section->text(), "42");
    key(11);
    for (int d : {7, 8, 9, 1})
        key(d);
    EXPECT_EQ(section->text(), "789");
    key(10);
    EXPECT_EQ(route->text(), "") << "系統 empties only the route display";
    EXPECT_EQ(section->text(), "789");
    EXPECT_EQ(panel().routeState().RouteText, "") << "keys alone load nothing";
}

TEST_F(PanelTest, DialsLoadTheSameFileAsTheKeypadAndKeepTheRouteAsEntered) {
    startWith(sampleSettings());
    DialFace& dials = panel().dials(); // chosen while the dials are still behind the keypad
    const QString digits = "00012";
    for (int i = 0; i < 5; ++i)
        dials.List2[size_t(i)]->setCurrentRow(digits.at(i).digitValue());
    for (int i = 0; i < 3; ++i)
        dials.List3[size_t(i)]->setCurrentRow(i == 2 ? 3 : 0);
    panel().Frame1_DblClick(1); // the keypad face to the back: the dials in front
    click(dials.Command1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(panel().routeState().RouteText, "00012");
    EXPECT_EQ(panel().routeState().CurStop, 2);
    const auto rows = sampleRoute(12);
    EXPECT_EQ(fareShown(3), fareText(rows[2].Fare(3)));
}

TEST_F(PanelTest, EverySampleRoutePutsItsFaresUnderEveryTicketNumber) {
    startWith(sampleSettings());
    for (int route : {1, 7, 12}) {
        loadFromKeypad(QString::number(route), "1");
        ASSERT_TRUE(messages.isEmpty()) << route;
        const auto rows = sampleRoute(route);
        for (int t = 1; t <= 24; ++t)
            EXPECT_EQ(fareShown(t), fareText(rows[0].Fare(t)))
                << "route " << route << " ticket " << t;
    }
}

TEST_F(PanelTest, AClickMadeDuringTheLampTestIsCarriedOutAfterItOnce) {
    lampTestMs = 1000;
    startWith(sampleSettings());
    loadFromKeypad("1", "2");
    ASSERT_TRUE(panel().Command2[1]->isEnabled());
    // Reload; half-way through the lamp test the user clicks "データ送り".
    QTimer::singleShot(300, [this] {
        EXPECT_EQ(fareShown(7), "8888") << "the lamp test is on";
        EXPECT_EQ(board().ChimeiCtl->accessibleDescription(), "系統選別中")
            << "the loading message is shown without 次は";
        postClick(panel().Command2[1]);
    });
    QElapsedTimer clock;
    clock.start();
    click(panel().keypadFace->Command1);
    EXPECT_GE(clock.elapsed(), lampTestMs);
    EXPECT_EQ(panel().routeState().CurStop, 1) << "held until the lamp test ended";
    EXPECT_TRUE(QTest::qWaitFor([this] { return panel().routeState().CurStop != 1; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel().routeState().CurStop, 2) << "then carried out, once";
}

TEST_F(PanelTest, ScrollBarsSendSpeedAndWaitToTheStopNameLine) {
    startWith(sampleSettings());
    panel().HScroll1[0]->setValue(640);
    EXPECT_EQ(panel().Label1[0]->text(), "640");
    EXPECT_EQ(board().ChimeiCtl->Speed(), 640);
    panel().HScroll1[1]->setValue(2500);
    EXPECT_EQ(board().ChimeiCtl->ScrollStartWait(), 2500);
    EXPECT_EQ(board().ChimeiCtl->Speed(), 640);
}

TEST_F(PanelTest, PreviewToggleWidensThePanelAndTheFaceDoubleClickFlipsFaces) {
    startWith(sampleSettings());
    const int closed = panel().width();
    click(panel().Check4);
    EXPECT_EQ(panel().Check4->text(), "<<");
    EXPECT_EQ(panel().Check4->toolTip(), "整理券プレビューを隠します");
    EXPECT_EQ(panel().width(), (9000 - 90) / 15);
    click(panel().Check4);
    EXPECT_EQ(panel().width(), closed);
    EXPECT_EQ(panel().Check4->text(), ">>");

    EXPECT_EQ(faceInFront(), 1) << "the keypad is in front at a first start";
    panel().Frame1_DblClick(1);
    EXPECT_EQ(faceInFront(), 0);
    panel().Frame1_DblClick(0);
    EXPECT_EQ(faceInFront(), 1);
    EXPECT_EQ(panel().frameIndex(), 0);
}

TEST_F(PanelTest, SteppingThroughARouteShowsEachStopsNameAfterTsugiwa) {
    startWith(sampleSettings());
    const auto rows = sampleRoute(12);
    loadFromKeypad("12", "1");
    EXPECT_EQ(board().ChimeiCtl->accessibleDescription(), rows[0].StopName);
    for (size_t r = 1; r < rows.size(); ++r) {
        click(panel().Command2[1]);
        EXPECT_EQ(board().ChimeiCtl->accessibleDescription(), "次は" + rows[r].StopName) << r;
    }
}

TEST_F(PanelTest, ACloseAskedForDuringTheLampTestIsAnsweredAfterIt) {
    lampTestMs = 1000;
    startWith(sampleSettings());
    bool waitOver = false;
    bool askedDuringWait = false;
    int asked = 0;
    panel().askQuit = [&] {
        ++asked;
        askedDuringWait = !waitOver;
        return false;
    };
    QTimer::singleShot(
        300, [this] { QWindowSystemInterface::handleCloseEvent(panel().windowHandle()); });
    loadFromKeypad("1", "1");
    waitOver = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked > 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(askedDuringWait);
    EXPECT_TRUE(panel().isVisible());
}

TEST_F(PanelTest, TheVersionBoxNamesTheModelAndVersionWhileTheBoardWaits) {
    startWith(sampleSettings());
    QString text, links;
    bool boardEnabled = true;
    bool fits = false;
    TestUtil::onNextModal([&](QWidget* dialog) {
        if (auto* box = dialog->findChild<QPlainTextEdit*>("dlg110Text")) {
            text = box->toPlainText();
            // Sized to its text: no line cut or scrolled away, no empty half of a box.
            const QFontMetrics m(box->font());
            fits = box->viewport()->width() >= m.horizontalAdvance(text.section('\n', 1, 1)) &&
                   box->viewport()->height() >= 2 * m.lineSpacing() &&
                   box->viewport()->height() < 5 * m.lineSpacing();
        }
        if (auto* label = dialog->findChild<QLabel*>("dlg110Links")) links = label->text();
        boardEnabled = board().isEnabled();
        dialog->findChild<QPushButton*>("dlg110Ok")->click();
    });
    click(panel().Command8);
    EXPECT_EQ(text, "機種：test_app\nバージョン：4.0.0  ServiceRelease 1\n");
    EXPECT_TRUE(fits);
    EXPECT_TRUE(links.contains("ライセンス")) << links.toStdString();
    EXPECT_TRUE(links.contains("href=\"https://")) << "the home page";
    EXPECT_TRUE(links.contains("利用の手引き")) << "the guide";
    // Every window carries K41's own icon and names its desktop file.
    EXPECT_FALSE(panel().windowIcon().pixmap(32).isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "jp.k41.K41");
    EXPECT_FALSE(boardEnabled);
    EXPECT_TRUE(board().isEnabled());
}
