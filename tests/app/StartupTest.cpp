// Start-up, quitting and the settings file seen from the windows: what a user finds on the
// board and the panel after a restart.
#include "platform/QtColour.h"
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/frmCtl.h"
#include "platform/core/Twips.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"
#include "tests/digit/DigitProbe.h"

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <sys/stat.h>

namespace {

OleColor labelColour(const QLabel* label) {
    return Colour::fromQColor(label->palette().color(QPalette::WindowText));
}

} // namespace

class StartupTest : public AppFixture {};

TEST_F(StartupTest, WithoutSettingsTheBoardIsTopLeftAndThePanelBottomRight) {
    start();
    EXPECT_EQ(board().pos(), QPoint(0, 0));
    EXPECT_EQ(board().size(), QSize(543, 333));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(panel().frameGeometry().bottomRight(), screen.bottomRight());
    EXPECT_EQ(board().windowTitle(), "料金案内盤アプリケーション - 型番:test_app");
    for (int t = 1; t <= 24; ++t)
        EXPECT_EQ(fareShown(t), "    ") << t;
    EXPECT_EQ(board().lblSeiriNum[1]->text(), "１");
    EXPECT_EQ(board().lblSeiriNum[24]->text(), "２４");
    EXPECT_EQ(labelColour(board().lblSeiriNum[5]), 16777215u);
    EXPECT_EQ(k41->settings.SeiriNumColorOn1, 12648384u);
    EXPECT_FALSE(QFile::exists(settingsPath())) << "starting writes nothing";
}

TEST_F(StartupTest, WithoutSettingsTheFaresGlowAmberOverGreyLamps) {
    start();
    // The colours a rider sees, written out here rather than taken from the settings store.
    const QRgb grey = qRgb(128, 128, 128), lampGrey = qRgb(150, 150, 150),
               amber = qRgb(248, 210, 114);
    const M_Degit& blank = *board().Degit[7];
    EXPECT_EQ(blank.backBuffer().pixel(0, 0), grey);
    EXPECT_EQ(DigitProbe::segmentPixel(blank, 0, SegmentFont::SegG), lampGrey);

    board().showFare(1, 180); // as the panel writes a fare
    const M_Degit& fare = *board().Degit[1];
    const QString shown = DigitProbe::read(fare);
    ASSERT_EQ(shown, QStringLiteral(" 180"));
    EXPECT_EQ(DigitProbe::segmentPixel(fare, 3, SegmentFont::SegA), amber);
    EXPECT_EQ(DigitProbe::segmentPixel(fare, 3, SegmentFont::SegG), lampGrey); // 0 leaves g dark
}

TEST_F(StartupTest, QuitConfirmedWritesTheSettingsAndARestartRestoresThem) {
    startWith(sampleSettings());
    panel().askQuit = [] { return true; };
    panel().move(Twips::toPixels(3000), Twips::toPixels(1500));
    board().move(30, 45);
    panel().HScroll1[0]->setValue(250);
    panel().HScroll1[1]->setValue(1200);
    panel().Check2->setChecked(true);
    panel().Check4->setChecked(true);
    panel().Frame1_DblClick(1);
    board().Degit[3]->setZeroMode(2);
    board().Degit[3]->setFillZero(3);
    board().Degit[24]->setShift(1);
    QFile::remove(settingsPath());

    panel().close();
    EXPECT_TRUE(ended);
    ASSERT_TRUE(QFile::exists(settingsPath()));
    stop();

    start();
    EXPECT_EQ(panel().pos(), QPoint(200, 100));
    EXPECT_EQ(board().pos(), QPoint(30, 45));
    EXPECT_EQ(panel().HScroll1[0]->value(), 250);
    EXPECT_EQ(panel().Label1[1]->text(), "1200");
    EXPECT_TRUE(panel().Check2->isChecked());
    EXPECT_TRUE(panel().Check4->isChecked());
    EXPECT_EQ(panel().width(), (9000 - 90) / 15) << "a saved open preview opens the panel wide";
    EXPECT_EQ(panel().frameIndex(), 1);
    EXPECT_EQ(board().Degit[3]->ZeroMode(), 2);
    EXPECT_EQ(board().Degit[3]->FillZero(), 3);
    EXPECT_EQ(board().Degit[24]->Shift(), 1);
    EXPECT_EQ(k41->settings.FareDataDir, QStringLiteral(K41_SAMPLES_DIR "/fare"));
}

TEST_F(StartupTest, QuitDeclinedKeepsRunningAndWritesNothing) {
    start();
    bool asked = false;
    panel().askQuit = [&] {
        asked = true;
        return false;
    };
    panel().close();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(panel().isVisible());
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

TEST_F(StartupTest, ClosingTheBoardAsksThePanelsQuitQuestion) {
    start();
    int asked = 0;
    bool answer = false;
    panel().askQuit = [&] {
        ++asked;
        return answer;
    };
    EXPECT_FALSE(board().close()) << "the board is never closed on its own";
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(board().isVisible());
    EXPECT_TRUE(panel().isVisible());
    EXPECT_FALSE(ended);

    answer = true;
    board().close();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(ended) << "はい quits as the panel's close does";
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(StartupTest, ASettingsFileChangesTheBoardAtTheNextStart) {
    In4File file = sampleSettings();
    file.options.DegitBackColor = Colour::rgb(10, 20, 30);
    file.options.DegitUnlitColor = Colour::rgb(40, 50, 60);
    file.options.DegitLitColor = Colour::rgb(0, 255, 0);
    file.options.SeiriNumStyle = 3;
    file.options.SeiriNumZeroFill = 1;
    file.options.UseSeiriNumAuto = 0;
    file.form.BoardLeft = 1500;
    file.form.BoardTop = 750;
    file.digits[6] = DegitUserInfo{1, 3, 2}; // fare digit 7: Shift 1, ZeroMode 3, FillZero 2
    file.options.ChimeiBackColor = Colour::rgb(0, 0, 64);
    file.options.ChimeiForeColor = Colour::rgb(255, 96, 0);
    file.options.ChimeiFontMode = 4;
    file.options.TsugiwaMode = 2;
    startWith(file);

    EXPECT_EQ(board().pos(), QPoint(100, 50));
    EXPECT_EQ(board().Degit[1]->BackColor(), Colour::rgb(10, 20, 30));
    EXPECT_EQ(board().Degit[24]->BaseForeColor(), Colour::rgb(40, 50, 60));
    EXPECT_EQ(board().TimeDegit[0]->DegitForeColor(), Colour::rgb(0, 255, 0));
    EXPECT_EQ(board().Degit[7]->ZeroMode(), 3);
    EXPECT_EQ(board().Degit[7]->Shift(), 1);
    EXPECT_EQ(board().Degit[7]->FillZero(), 2);
    EXPECT_EQ(board().lblSeiriNum[1]->text(), "な し");
    EXPECT_EQ(board().lblSeiriNum[2]->text(), "０２");
    EXPECT_EQ(board().lblSeiriNum[24]->text(), "２４");
    EXPECT_FALSE(board().lblSeiriNum[5]->isVisible());
    EXPECT_EQ(board().ChimeiCtl->BackColor(), Colour::rgb(0, 0, 64));
    EXPECT_EQ(board().ChimeiCtl->ForeColor(), Colour::rgb(255, 96, 0));
    EXPECT_EQ(board().ChimeiCtl->FontMode(), 4);
    EXPECT_EQ(board().ChimeiCtl->TsugiwaMode(), 2);

    // The loaded digit options draw the next value: a zero under mode 3 is a lit 0.
    loadFromKeypad("1", "1");
    EXPECT_EQ(board().Degit[7]->DegitForeColor(), Colour::rgb(0, 255, 0));
}

TEST_F(StartupTest, ACutSettingsFileShowsTheErrorBoxAndTheBoardTakesWhatWasRead) {
    In4File file = sampleSettings();
    file.options.DegitBackColor = Colour::rgb(1, 2, 3);
    file.form.BoardLeft = 3000;
    const QByteArray bytes = In4Format::write(file);
    TestUtil::writeFile(settingsPath(), bytes.left(bytes.size() - 7));
    QString shown;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) shown = box->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    start();
    EXPECT_TRUE(shown.startsWith("エラー Code:62\r\n内容:")) << "[" << shown.toStdString() << "]";
    EXPECT_EQ(board().Degit[1]->BackColor(), Colour::rgb(1, 2, 3));
    EXPECT_EQ(board().pos(), QPoint(200, 0));
}

TEST_F(StartupTest, ANamedPipeAsSettingsFileIsRefusedAtOnce) {
    // Opening a pipe for reading would wait for a writer for good, before any window shows.
    ASSERT_EQ(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
    QString shown;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) shown = box->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    start();
    EXPECT_TRUE(shown.startsWith("エラー Code:75\r\n内容:")) << "[" << shown.toStdString() << "]";
    EXPECT_EQ(board().pos(), QPoint(0, 0));
}

TEST_F(StartupTest, AListPositionItsListCannotHoldCostsOnlyThatSetting) {
    In4File file = sampleSettings();
    file.options.InfoOrderPos = 30;
    file.ctrl.LateNight = 1;
    file.form.BoardLeft = 1500;
    QString shown;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) shown = box->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    startWith(file);
    EXPECT_TRUE(shown.startsWith("エラー Code:380\r\n内容:") && shown.contains("InfoOrderPos = 30"))
        << shown.toStdString();
    EXPECT_TRUE(panel().Check2->isChecked()) << "the panel state after it is restored";
    EXPECT_EQ(board().pos(), QPoint(100, 0));
}

TEST_F(StartupTest, AStoredScrollValueBeyondItsBarIsClampedAndTheLoadGoesOn) {
    In4File file = sampleSettings();
    file.ctrl.ScrollSpeed = 5000;
    file.ctrl.ScrollInterval = -20;
    file.ctrl.LateNight = 1;
    file.form.BoardLeft = 1500;
    startWith(file);
    EXPECT_EQ(panel().HScroll1[0]->value(), 2000);
    EXPECT_EQ(panel().HScroll1[1]->value(), 0);
    EXPECT_TRUE(panel().Check2->isChecked());
    EXPECT_EQ(board().pos(), QPoint(100, 0));
}
