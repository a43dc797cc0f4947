// The ticket preview is drawn off the panel's thread. A gate holds a drawing for as long as a
// test needs, standing in for a slow plug-in: meanwhile the panel must go on, the preview must
// keep its last ticket, only the newest ticket asked for may show, and closing must neither
// wait for the drawing nor crash.
#include "tests/app/AppFixture.h"

#include "panel/PreviewArea.h"
#include "panel/PreviewPicture.h"
#include "panel/frmCtl.h"
#include "platform/ZKP4Res.h"
#include "tests/app/PreviewWait.h"
#include "tests/common/TestUtil.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const int Patience = 20000; // ms; generous for a loaded machine

// The sample plug-in without the items that print the clock or the route, so that a drawing
// made here at once prints exactly what the panel asked for.
QString writeTimelessPlugin(const QString& path) {
    QFile sample(TestUtil::samplesDir() + QStringLiteral("/plugins/yamabato.4SP"));
    if (!sample.open(QIODevice::ReadOnly)) return {};
    QJsonObject doc = QJsonDocument::fromJson(sample.readAll()).object();
    QJsonArray kept;
    for (const QJsonValue& item : doc.value(QStringLiteral("items")).toArray()) {
        const QString type = item.toObject().value(QStringLiteral("type")).toString();
        if (type != QLatin1String("date") && type != QLatin1String("time") &&
            type != QLatin1String("route") && type != QLatin1String("barcode"))
            kept.append(item);
    }
    doc.insert(QStringLiteral("items"), kept);
    QJsonObject caps = doc.value(QStringLiteral("capabilities")).toObject();
    caps.insert(QStringLiteral("printBarcode"), 0);
    caps.remove(QStringLiteral("barcodeCount"));
    doc.insert(QStringLiteral("capabilities"), caps);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(doc).toJson()) <= 0) return {};
    return path;
}

// The ticket drawn at once, on this thread, onto `base`.
QImage drawnAtOnce(QImage base, const QString& plugin, const QString& stop, qint16 number,
                   qint32 company) {
    QPainter painter(&base);
    ZKP4Res::ZK4_DrawSeiriken(plugin, &painter, stop, QStringLiteral("03-07-2025"),
                              QStringLiteral("08:05:09"), 12, number, 5, company);
    painter.end();
    return base;
}

QImage white(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Runs the event loop until `done` holds; false after Patience.
template <typename Condition> bool runUntil(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < Patience)
        QTest::qWait(10);
    return done();
}

} // namespace

class PreviewDrawingTest : public AppFixture {
  protected:
    void SetUp() override {
        plugin = writeTimelessPlugin(dir.filePath(QStringLiteral("timeless.4SP")));
        ASSERT_FALSE(plugin.isEmpty());
        In4File file = sampleSettings();
        file.options.UseSeiriPrev = 1;
        file.options.SeiriPlgFile = plugin;
        file.ctrl.PreviewOpen = 1;
        startWith(file);
        loadFromKeypad("1", "1");
        ASSERT_TRUE(previewSettled(picture()));
        ASSERT_NE(picture().image(), white(picture().image().size())) << "no ticket drawn";
        gate = std::make_shared<DrawingGate>();
        picture().drawer().setGate(gate);
    }
    PreviewPicture& picture() const { return *panel().previewArea->picSeirikenPrev; }

    QString plugin;
    std::shared_ptr<DrawingGate> gate;
};

TEST_F(PreviewDrawingTest, PanelGoesOnWhileTheTicketIsDrawnThenShowsTheTicketDrawnAtOnce) {
    const QImage before = picture().image();
    click(panel().Command2[1]); // データ送り: stop 2, 本町一丁目
    ASSERT_TRUE(gate->waitForArrivals(1, Patience));

    // The drawing is held; the panel's thread is free and the box shows the last ticket.
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    EXPECT_TRUE(runUntil([&] { return timerRan; })) << "the event loop is stuck";
    EXPECT_TRUE(picture().pending());
    EXPECT_EQ(picture().image(), before);
    EXPECT_EQ(picture().grab().toImage().convertToFormat(QImage::Format_RGB32), before);

    gate->release();
    ASSERT_TRUE(previewSettled(picture()));
    EXPECT_EQ(picture().image(),
              drawnAtOnce(white(before.size()), plugin, QStringLiteral("本町一丁目"), 2,
                          panel().Combo1->currentIndex()));
    EXPECT_EQ(picture().accessibleDescription(), QStringLiteral("整理券 2 本町一丁目"));
    EXPECT_EQ(picture().grab().toImage().convertToFormat(QImage::Format_RGB32), picture().image());
}

TEST_F(PreviewDrawingTest, OnlyTheNewestTicketAskedForDuringADrawingShows) {
    int shown = 0;
    QObject::connect(&picture(), &PreviewPicture::shown, [&] { ++shown; });
    const QImage blank = white(picture().image().size());
    picture().clear();
    picture().drawTicket(plugin, ticket(QStringLiteral("一"), 1), 0);
    ASSERT_TRUE(gate->waitForArrivals(1, Patience));
    // Asked for while the first is held: only the last of them is drawn, on the blank box
    // that the first was asked for on.
    for (int n = 2; n <= 4; ++n)
        picture().drawTicket(plugin, ticket(QStringLiteral("市役所前"), qint16(n)), 1);
    gate->release(2);
    ASSERT_TRUE(previewSettled(picture()));
    EXPECT_EQ(picture().image(), drawnAtOnce(blank, plugin, QStringLiteral("市役所前"), 4, 1));
    EXPECT_EQ(shown, 1) << "an overtaken ticket was shown on the way";
    EXPECT_EQ(gate->arrivals(), 2) << "tickets asked for during a drawing queue up";

    // A blanking overtakes a ticket under way.
    const QImage fourth = picture().image();
    picture().drawTicket(plugin, ticket(QStringLiteral("終点"), 9), 0);
    ASSERT_TRUE(gate->waitForArrivals(3, Patience));
    EXPECT_EQ(picture().image(), fourth);
    picture().clear();
    ASSERT_TRUE(previewSettled(picture()));
    gate->release(2); // the overtaken ticket, and one more through the same thread after it
    picture().drawTicket(plugin, ticket(QStringLiteral("市役所前"), 5), 1);
    ASSERT_TRUE(previewSettled(picture()));
    EXPECT_EQ(picture().image(), drawnAtOnce(blank, plugin, QStringLiteral("市役所前"), 5, 1));
    EXPECT_EQ(shown, 3) << "the blanking and the last ticket, never the overtaken one";
    EXPECT_EQ(gate->arrivals(), 4);
}

TEST_F(PreviewDrawingTest, ClosingDuringADrawingNeitherWaitsForItNorCrashes) {
    const int threadsBefore = TicketDrawer::runningThreads();
    click(panel().Command2[1]);
    ASSERT_TRUE(gate->waitForArrivals(1, Patience));
    stop(); // the panel and its preview are gone while the drawing is held
    EXPECT_EQ(TicketDrawer::runningThreads(), threadsBefore)
        << "closing waited for the held drawing to end";
    gate->release();
    EXPECT_TRUE(runUntil([&] { return TicketDrawer::runningThreads() < threadsBefore; }))
        << "the drawing left to end on its own never ended";
    QCoreApplication::sendPostedEvents(); // anything it sent to the closed preview arrives
}
