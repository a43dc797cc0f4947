// "録画..." on the real panel: the route on the panel recorded from its current stop by a
// k41tool process, with a progress bar that ends full, or cancelled with nothing left behind.
#include "tests/app/AppFixture.h"

#include "app/RecordWindow.h"
#include "panel/PanelExtras.h"
#include "panel/frmCtl.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

class RecordWindowTest : public AppFixture {
  protected:
    RecordWindow& open() {
        std::unique_ptr<QMenu> menu(k41->extras->buildMenu(&panel()));
        QAction* entry = menu->findChild<QAction*>(QStringLiteral("menuRecord"));
        EXPECT_NE(entry, nullptr);
        if (entry) entry->trigger();
        RecordWindow& w = *k41->recordWindow;
        w.toolPath = QStringLiteral(K41TOOL_PATH);
        return w;
    }
};

TEST_F(RecordWindowTest, RecordsTheRouteFromItsCurrentStopWithProgressToTheEnd) {
    startWith(sampleSettings());
    RecordWindow& w = open();
    ASSERT_TRUE(w.isVisible());
    click(w.startButton);
    EXPECT_FALSE(w.recording()) << "no route, nothing to record";
    EXPECT_TRUE(w.status->text().contains("系統")) << w.status->text().toStdString();

    loadFromKeypad("1", "11"); // one stop before the last: a short ride
    ASSERT_EQ(panel().routeState().CurStop, 10) << messages.join('|').toStdString();
    const QString out = dir.filePath("ride.gif");
    w.outPath->setText(out);
    w.secondsBox->setValue(1);
    w.fpsBox->setValue(2);
    QSignalSpy done(&w, &RecordWindow::finished);
    click(w.startButton);
    ASSERT_TRUE(w.recording()) << w.status->text().toStdString();
    EXPECT_FALSE(w.startButton->isEnabled());
    ASSERT_TRUE(done.wait(120000));
    EXPECT_TRUE(done.first().first().toBool()) << w.status->text().toStdString();
    EXPECT_EQ(w.progress->value(), 1000);
    QFile gif(out);
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gif.read(6).startsWith("GIF89a"));
    EXPECT_TRUE(w.startButton->isEnabled());
}

TEST_F(RecordWindowTest, CancelEndsTheRecordingAndLeavesNoUnfinishedFile) {
    startWith(sampleSettings());
    loadFromKeypad("1", "1");
    RecordWindow& w = open();
    const QString out = dir.filePath("long.webm");
    w.outPath->setText(out);
    w.secondsBox->setValue(600);
    QSignalSpy done(&w, &RecordWindow::finished);
    click(w.startButton);
    ASSERT_TRUE(w.recording());
    click(w.cancelButton);
    ASSERT_TRUE(done.wait(60000));
    EXPECT_FALSE(done.first().first().toBool());
    EXPECT_TRUE(w.status->text().contains("中止")) << w.status->text().toStdString();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(w.isVisible()) << "cancelling a recording keeps the window open";
}
