// The scrolling stop name on a real X server (run by tests/app/x11_session.sh): what the
// server shows at each step, read back from the window, must equal the control's own picture
// at that step, whether the server moved the strip or Qt painted it.
#include "controls/stopname/ChimeiCtl_DX.h"
#include "platform/core/Colour.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

constexpr int Deadline = 20000; // ms: far beyond what a loaded machine needs

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// What the X server shows of `widget`, read from its top-level window (which holds the
// pixels of every window inside it).
QImage onScreen(const QWidget& widget) {
    xcb_connection_t* c = connection();
    const QRect r(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    const auto cookie =
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_drawable_t(widget.window()->winId()),
                      qint16(r.x()), qint16(r.y()), quint16(r.width()), quint16(r.height()), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(c, cookie, nullptr);
    if (!reply) return {};
    QImage image(r.size(), QImage::Format_RGB32);
    const auto* data = xcb_get_image_data(reply);
    const int bytesPerLine = xcb_get_image_data_length(reply) / r.height();
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(image.scanLine(y), data + y * bytesPerLine, size_t(r.width()) * 4);
    std::free(reply);
    // The unused top byte of each pixel is whatever the server left there.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xff000000;
    }
    return image;
}

QImage drawn(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Shows a board whose line scrolls a long name, once the window is on the screen.
bool showScrolling(QWidget& board, ChimeiCtl_DX& line, int startWaitMs) {
    line.move(10, 10);
    board.resize(460, 80);
    line.setSpeed(200);
    line.setScrollStartWait(startWaitMs);
    line.setTsugiwaMode(1);
    line.SetChimei(QStringLiteral("県立中央病院前経由市役所東口"));
    board.show();
    return QTest::qWaitForWindowExposed(&board, Deadline);
}

struct ScrollOnX11 : testing::Test {
    qint64 clock = 10000;
    QWidget board;
    ChimeiCtl_DX* line = new ChimeiCtl_DX(&board);

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        line->setClock([this] { return clock; });
        ASSERT_TRUE(showScrolling(board, *line, 300));
        // Qt's first paint reaches the server.
        ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen(*line) == drawn(*line); }, Deadline));
    }
    // The next step, due one step length later.
    void step() {
        clock += 16;
        line->advanceScroll();
    }
    // Steps until the strip is at or left of x.
    void stepTo(int x) {
        for (int i = 0; i < 2000 && line->stripX() > x; ++i)
            step();
    }
    // Steps until the strip has gone back to the right edge for its next pass.
    void stepToNextPass() {
        for (int i = 0, x = line->stripX(); i < 2000 && line->stripX() <= x; ++i) {
            x = line->stripX();
            step();
        }
    }
};

} // namespace

TEST_F(ScrollOnX11, TheServerShowsEveryStepOfAPassAsTheControlDrawsIt) {
    // Dots up to the strip's last column: what the strip leaves behind must be cleared.
    line->DrawDot54(line->stripWidth() - 53, 0, QStringLiteral("■"));
    // Entering at the right, crossing the whole frame, leaving at the left: at each of these
    // the strip is a step apart from the next, so one step off shows different dots.
    for (int at : {428, 400, 214, 0, -200, -line->stripWidth() + 300, -line->stripWidth() + 4}) {
        stepTo(at);
        for (int i = 0; i < 3; ++i) {
            step();
            ASSERT_EQ(onScreen(*line), drawn(*line)) << "strip at " << line->stripX();
        }
    }

    // The server moves the strip: Qt paints nothing for a step.
    stepTo(200);
    QCoreApplication::sendPostedEvents(); // the new dots' own repaint
    QCoreApplication::processEvents();
    PaintCounter counter;
    line->installEventFilter(&counter);
    for (int i = 0; i < 20; ++i) {
        step();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    line->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(onScreen(*line), drawn(*line));

    // The pass pause leaves the frame empty, then the next pass enters again.
    stepToNextPass();
    EXPECT_EQ(onScreen(*line), drawn(*line));
    for (int i = 0; i < 40; ++i)
        step();
    ASSERT_LT(line->stripX(), 428);
    EXPECT_EQ(onScreen(*line), drawn(*line));
}

TEST_F(ScrollOnX11, ANewPictureDuringAPassIsWhatTheNextStepShows) {
    stepTo(200);
    // A new background: the frame's inside takes it, the drawn strip keeps its own.
    line->setBackColor(Colour::rgb(0, 0, 96));
    step();
    ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen(*line) == drawn(*line); }, Deadline));
    step();
    EXPECT_EQ(onScreen(*line), drawn(*line));

    // The empty name blanks the strip and leaves it moving.
    line->SetChimei(QString());
    ASSERT_TRUE(line->scrolling());
    step();
    ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen(*line) == drawn(*line); }, Deadline));
    step();
    EXPECT_EQ(onScreen(*line), drawn(*line));

    // A new name starts its own pass.
    line->SetChimei(QStringLiteral("市役所東口バスターミナル北口"));
    stepTo(300);
    step();
    EXPECT_EQ(onScreen(*line), drawn(*line));

    // A strip wider than any picture the server can hold is painted by Qt instead.
    line->SetChimei(QStringLiteral("市役所").repeated(220));
    ASSERT_GT(line->stripWidth(), 32767);
    for (int i = 0; i < 3; ++i) {
        stepTo(line->stripX() - 200);
        ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen(*line) == drawn(*line); }, Deadline))
            << "strip at " << line->stripX();
    }
}

TEST_F(ScrollOnX11, AnExposedStripIsRepaintedWhereItIsNow) {
    QWidget* window = line->findChild<QWidget*>(QStringLiteral("stripWindow"));
    ASSERT_TRUE(window && window->windowHandle());
    stepTo(100);
    step();
    ASSERT_EQ(onScreen(*line), drawn(*line));

    // The server asks for the window's pixels again, as when another window uncovers it.
    struct ExposeSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose) seen = true;
            return false;
        }
    } expose;
    window->windowHandle()->installEventFilter(&expose);
    xcb_clear_area(connection(), 1, xcb_window_t(window->winId()), 0, 0, 0, 0);
    xcb_flush(connection());
    ASSERT_TRUE(QTest::qWaitFor([&] { return expose.seen; }, Deadline));
    QCoreApplication::processEvents();
    EXPECT_EQ(onScreen(*line), drawn(*line));
}

namespace {

// The line on the steady clock, as the program runs it: once the server shows the steps,
// a thread of the line's window runs them.
struct ServerStepsOnX11 : testing::Test {
    QWidget board;
    ChimeiCtl_DX* line = new ChimeiCtl_DX(&board);
    QTimer* frameTimer = line->findChild<QTimer*>(QStringLiteral("frameTimer"));

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        ASSERT_TRUE(frameTimer);
        ASSERT_TRUE(showScrolling(board, *line, 200));
        ASSERT_TRUE(handedOver());
    }
    bool handedOver() {
        return QTest::qWaitFor([&] { return line->steppedByServer(); }, Deadline);
    }
    // Waits, with the thread stepping, until the strip is at or left of x (in this pass or
    // the next).
    bool reach(int x) {
        return QTest::qWaitFor([&] { return line->stripX() <= x && line->stripX() > x - 100; },
                               Deadline);
    }
};

} // namespace

TEST_F(ServerStepsOnX11, WhereverTheStepsAreTakenBackTheServerShowsWhatTheControlDraws) {
    // The thread steps alone: the strip moves with no paint and no timer in the program.
    PaintCounter counter;
    line->installEventFilter(&counter);
    const int start = line->stripX();
    ASSERT_TRUE(QTest::qWaitFor([&] { return line->stripX() < start - 40; }, Deadline));
    EXPECT_TRUE(line->steppedByServer());
    EXPECT_FALSE(frameTimer->isActive());
    line->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 0);

    // A grab paints the control where the thread left the strip, which the server shows.
    // Dots in the strip's last two columns (the rest of the glyph cut off): what the strip
    // leaves behind must be cleared.
    line->DrawDot54(line->stripWidth() - 41, 0, QStringLiteral("■"));
    ASSERT_TRUE(handedOver());
    for (int at : {300, 100, -100, -line->stripWidth() + 100}) {
        ASSERT_TRUE(reach(at));
        const QImage control = drawn(*line);
        EXPECT_FALSE(line->steppedByServer());
        ASSERT_EQ(onScreen(*line), control) << "strip at " << line->stripX();
        // The control steps on, and hands the steps back to the thread.
        ASSERT_TRUE(handedOver());
    }
}

TEST_F(ServerStepsOnX11, ChangesWhileTheThreadStepsTakeTheScrollBack) {
    // A new name: its own pass, stepped by the thread again once shown.
    ASSERT_TRUE(reach(200));
    line->SetChimei(QStringLiteral("市役所東口バスターミナル北口"));
    EXPECT_FALSE(line->steppedByServer());
    EXPECT_GE(line->stripX(), 428); // from the right edge, not where the thread had it
    ASSERT_TRUE(handedOver());
    ASSERT_TRUE(reach(150));
    QImage control = drawn(*line);
    EXPECT_EQ(onScreen(*line), control);

    // An expose repaints the strip where the thread left it.
    ASSERT_TRUE(handedOver());
    QWidget* window = line->findChild<QWidget*>(QStringLiteral("stripWindow"));
    ASSERT_TRUE(window);
    xcb_clear_area(connection(), 1, xcb_window_t(window->winId()), 0, 0, 0, 0);
    xcb_flush(connection());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !line->steppedByServer(); }, Deadline));
    control = drawn(*line);
    EXPECT_EQ(onScreen(*line), control);

    // A new speed acts at once: the control steps again with it.
    ASSERT_TRUE(handedOver());
    line->setSpeed(400);
    EXPECT_FALSE(line->steppedByServer());
    EXPECT_TRUE(frameTimer->isActive());

    // Hidden, the window stops the thread; shown again, the steps go on.
    ASSERT_TRUE(handedOver());
    board.hide();
    EXPECT_FALSE(line->steppedByServer());
    EXPECT_TRUE(line->scrolling());
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board, Deadline));
    ASSERT_TRUE(handedOver());

    // Gone while the thread steps: it ends first.
    delete line;
    line = nullptr;
    QCoreApplication::processEvents();
}
