// The automatic ride on the real panel: started from the panel's context menu, it steps the
// loaded route on its own until the last stop, and the operator can always take over.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/AutoRideWindow.h"
#include "panel/PanelExtras.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"
#include "tape/NullSpeechEngine.h"
#include "tests/common/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class AutoRideTest : public AppFixture {
  protected:
    void SetUp() override { useSilentSpeech(); }
    // Sample fares; announcements only when `tapeFolder` is given.
    void startOn(const QString& fareFolder = QStringLiteral(K41_SAMPLES_DIR "/fare"),
                 const QString& tapeFolder = {}) {
        In4File file = sampleSettings();
        file.options.FareDataDir = fareFolder;
        file.options.TapeDataDir = tapeFolder.isEmpty() ? dir.filePath("none") : tapeFolder;
        startWith(file);
    }
    // Opens the ride's window the way a user does: the panel's context menu.
    AutoRideWindow& openRide() {
        std::unique_ptr<QMenu> menu(k41->extras->buildMenu(&panel()));
        QAction* entry = menu->findChild<QAction*>(QStringLiteral("menuAutoRide"));
        EXPECT_NE(entry, nullptr);
        if (entry) entry->trigger();
        AutoRideWindow& w = *k41->extras->autoRideWindow();
        EXPECT_TRUE(w.isVisible());
        return w;
    }
    QString status(AutoRideWindow& w) const { return w.status->text(); }
    int stop() const { return panel().routeState().CurStop; }
};

TEST_F(AutoRideTest, RidesTheRouteToItsLastStopSayingThatItRunsAndHowToStop) {
    startOn();
    AutoRideWindow& w = openRide();
    click(w.startStop);
    EXPECT_FALSE(w.ride().running()) << "no route, no ride";
    EXPECT_TRUE(status(w).contains("系統を設定")) << status(w).toStdString();

    loadFromKeypad("1", "1");
    const int stops = panel().routeState().StopCount;
    ASSERT_GT(stops, 3);
    click(w.startStop);
    ASSERT_TRUE(w.ride().running());
    EXPECT_EQ(w.startStop->text(), "停止(&P)");
    EXPECT_TRUE(status(w).contains("自動運行中")) << status(w).toStdString();
    EXPECT_TRUE(status(w).contains("■") && status(w).contains("データボタン"));
    EXPECT_GT(w.ride().remainingMs(), 7000);
    EXPECT_LE(w.ride().remainingMs(), 8000);

    for (int step = 1; step < stops; ++step) {
        ASSERT_TRUE(w.ride().running()) << step;
        w.ride().stepNow();
        EXPECT_EQ(stop(), step);
    }
    EXPECT_FALSE(w.ride().running());
    EXPECT_EQ(board().ChimeiCtl->accessibleDescription(),
              "次は" + panel().fareTable().row(stops).StopName);
    EXPECT_TRUE(status(w).contains("終点")) << status(w).toStdString();
    EXPECT_EQ(w.startStop->text(), "開始(&B)");
    click(w.startStop);
    EXPECT_FALSE(w.ride().running()) << "nothing left to ride";
}

TEST_F(AutoRideTest, ADataButtonOrEscTakesOverAndEscAgainClosesTheWindow) {
    startOn();
    loadFromKeypad("1", "1");
    AutoRideWindow& w = openRide();
    w.secondsBox->setValue(3);
    click(w.startStop);
    EXPECT_LE(w.ride().remainingMs(), 3000);
    click(panel().Command2[1]);
    EXPECT_FALSE(w.ride().running());
    EXPECT_EQ(stop(), 1) << "the operator's own step is taken, once";

    click(w.startStop);
    ASSERT_TRUE(w.ride().running());
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.ride().running());
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(AutoRideTest, WithAnnouncementsEveryStepIsTheGroupsForwardAndStopEndsTheRide) {
    startOn(QStringLiteral(K41_SAMPLES_DIR "/fare"), QStringLiteral(K41_SAMPLES_DIR "/tape"));
    loadFromKeypad("1", "1");
    AutoRideWindow& w = openRide();
    click(w.startStop);
    for (int i = 0; i < 3; ++i)
        w.ride().stepNow();
    ASSERT_NE(speech, nullptr);
    EXPECT_EQ(speech->spoken.size(), 3);
    EXPECT_TRUE(speech->spoken.first().startsWith("ご乗車ありがとうございます。"));
    EXPECT_EQ(stop(), 2) << "the welcome leaves the first stop; each stop's record steps once";
    click(panel().tapeGroup->tapeButtons[2]); // ■
    EXPECT_FALSE(w.ride().running());
}

TEST_F(AutoRideTest, ARouteWithATimetableRidesOnItsTimesSpedUp) {
    const QString fares = dir.filePath("fare");
    QDir().mkpath(fares);
    ASSERT_TRUE(QFile::copy(QStringLiteral(K41_SAMPLES_DIR "/fare/1.hy3"), fares + "/1.hy3"));
    startOn(fares);
    loadFromKeypad("1", "1");
    const int stops = panel().routeState().StopCount;

    // A timetable of the wrong length is said and not followed.
    TestUtil::writeFile(fares + "/1times.csv", "0,a\n60,b\n");
    AutoRideWindow& w = openRide();
    EXPECT_TRUE(status(w).contains("違います")) << status(w).toStdString();
    EXPECT_TRUE(w.secondsBox->isEnabled());
    w.hide();

    QByteArray times;
    for (int i = 0; i < stops; ++i)
        times += QByteArray::number(i * 50) + ",stop\n";
    TestUtil::writeFile(fares + "/1times.csv", times);
    openRide();
    EXPECT_FALSE(w.secondsBox->isEnabled());
    ASSERT_TRUE(w.speedBox->isEnabled());
    w.speedBox->setCurrentIndex(2); // 10 ×
    click(w.startStop);
    EXPECT_GT(w.ride().remainingMs(), 4000);
    EXPECT_LE(w.ride().remainingMs(), 5000);
    w.ride().stop();
}
