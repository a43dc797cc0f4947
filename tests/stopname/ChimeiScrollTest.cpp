// The stop-name control's scroll, driven by a fake clock.
#include "controls/stopname/ChimeiCtl_DX.h"
#include "tests/stopname/StripDots.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QString LongName = QStringLiteral("中央公園北入口前停留所"); // 11 cells

struct ScrollingControl : testing::Test {
    qint64 clock = 10000;
    ChimeiCtl_DX c;
    void SetUp() override {
        c.setClock([this] { return clock; });
    }
    // Moves the clock on and lets the control catch up.
    void after(qint64 ms) {
        clock += ms;
        c.advanceScroll();
    }
};

} // namespace

TEST_F(ScrollingControl, AdvancesByTheStepRuleOverAMeasuredInterval) {
    c.setSpeed(200);
    c.SetChimei(LongName);
    ASSERT_TRUE(c.scrolling());
    EXPECT_EQ(c.stripWidth(), 11 * 54);
    EXPECT_EQ(c.stripX(), 431); // first step, at once

    after(20);
    const int x0 = c.stripX();
    after(1000);
    EXPECT_EQ(x0 - c.stripX(), 128);

    // Steps fall every 15.625 ms whatever the frame rate: 2 pixels each at speed 200.
    const int x1 = c.stripX();
    after(125); // 8 steps
    EXPECT_EQ(x1 - c.stripX(), 16);

    // A new speed acts from the next step on.
    c.setSpeed(2000);
    const int x2 = c.stripX();
    after(125);
    EXPECT_EQ(x2 - c.stripX(), 8 * 20);
}

TEST_F(ScrollingControl, PausesBetweenPassesWithTheFrameShowingBackground) {
    c.setSpeed(2000);
    c.setScrollStartWait(700);
    c.SetChimei(LongName);
    // 432 + 594 pixels at 20 a step: the pass ends within 52 steps.
    int steps = 0;
    while (c.stripX() != 432 || steps == 0) {
        after(16);
        ASSERT_LT(++steps, 200);
    }
    const QImage shown = c.grab().toImage();
    EXPECT_EQ(StripDots::pixelsIn(shown, 2, 430, qRgb(255, 192, 128)), 0);
    // While the strip waits, the control sleeps until the pause ends instead of waking for
    // every frame; while it moves, it wakes for the next step.
    const QTimer* frames = c.findChild<QTimer*>(QStringLiteral("frameTimer"));
    ASSERT_NE(frames, nullptr);
    EXPECT_GT(frames->remainingTime(), 500);
    after(650);
    EXPECT_EQ(c.stripX(), 432);
    after(100);
    EXPECT_LT(c.stripX(), 432);
    EXPECT_TRUE(c.scrolling());
    EXPECT_LE(frames->remainingTime(), 16);

    // The wait is read at the end of each pass.
    c.setScrollStartWait(5000);
    steps = 0;
    while (c.stripX() != 432) {
        after(16);
        ASSERT_LT(++steps, 200);
    }
    after(4000);
    EXPECT_EQ(c.stripX(), 432);
}

TEST_F(ScrollingControl, AStripLandingExactlyOnItsEndWrapsWithoutABlankFrame) {
    // At speed 400 the strip moves 2 pixels on the first step and 4 on every later one:
    // 432, 430, ..., -590, -594. An 11-cell strip (594 pixels) lands exactly on its end.
    c.setSpeed(400);
    c.SetChimei(LongName);
    const qint64 start = clock;
    int last = c.stripX();
    bool wrapped = false;
    for (int k = 1; k < 400 && !wrapped; ++k) {
        clock = start + qint64(std::ceil(k * 15.625)); // one step at a time
        c.advanceScroll();
        if (c.stripX() == 432) {
            wrapped = true;
            EXPECT_EQ(last, -590); // the step that wrapped was the one landing on -594
        } else {
            // Every frame of the pass shows some of the strip.
            ASSERT_GT(c.stripX(), -594) << "step " << k;
        }
        last = c.stripX();
    }
    EXPECT_TRUE(wrapped);
}

TEST_F(ScrollingControl, TheNextNameEndsTheScrollButTheEmptyTextDoesNot) {
    c.setSpeed(400);
    c.SetChimei(LongName);
    after(500);
    const int moving = c.stripX();

    c.SetChimei(QString());
    EXPECT_TRUE(c.scrolling());
    EXPECT_EQ(c.stripWidth(), 11 * 54);
    after(500);
    EXPECT_LT(c.stripX(), moving);

    c.SetChimei(QStringLiteral("駅"));
    EXPECT_FALSE(c.scrolling());
    EXPECT_EQ(c.stripX(), 0);
    after(1000);
    EXPECT_EQ(c.stripX(), 0);

    // A long name after a long name starts its own pass from the right edge.
    c.SetChimei(LongName);
    after(500);
    c.SetChimei(QStringLiteral("一二三四五六七八九十"));
    EXPECT_TRUE(c.scrolling());
    EXPECT_EQ(c.stripX(), 430);
    EXPECT_EQ(c.stripWidth(), 540);
}

TEST_F(ScrollingControl, SpeedZeroBecomesOneWhenAScrollStarts) {
    c.setSpeed(0);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(c.Speed(), 0);
    c.SetChimei(LongName);
    EXPECT_EQ(c.Speed(), 1);
    after(1000);
    EXPECT_GE(c.stripX(), 431); // 0.005 pixels a step
}

TEST_F(ScrollingControl, TheFrameTimerDrivesTheScrollWithoutBlocking) {
    c.setSpeed(2000);
    c.show();
    c.SetChimei(LongName);
    const int start = c.stripX();
    clock += 500;
    // Only the timer moves the strip here.
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.stripX() < start - 500; }, 2000));
    c.SetChimei(QStringLiteral("駅"));
    clock += 500;
    QTest::qWait(50);
    EXPECT_EQ(c.stripX(), 0);
}

namespace {

// Sums the area of the rectangles each paint event of a widget asks for.
struct PaintedArea : QObject {
    qint64 area = 0;
    bool counting = true;
    bool eventFilter(QObject*, QEvent* e) override {
        if (counting && e->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                area += qint64(r.width()) * r.height();
        return false;
    }
};

} // namespace

TEST_F(ScrollingControl, EveryStepOfAPassShowsWhatAFullRepaintShowsAndPaintsLittle) {
    // What the window shows after each step (the window's own pixels, however the control
    // brought them up to date) against the control drawn whole at that step.
    c.setTsugiwaMode(1);
    c.setScrollStartWait(100);
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    PaintedArea painted;
    c.installEventFilter(&painted);
    const qint64 fullArea = qint64(c.width()) * c.height();
    for (qint16 speed : {qint16(200), qint16(333), qint16(2000), qint16(-700)}) {
        c.setSpeed(speed);
        c.SetChimei(LongName);
        QCoreApplication::processEvents();
        painted.area = 0;
        int steps = 0;
        for (bool wrapped = false; !wrapped && steps < (speed > 0 ? 600 : 50); ++steps) {
            const int before = c.stripX();
            after(16);
            wrapped = c.stripX() > before && speed > 0;
            QCoreApplication::processEvents();
            const QImage shown = c.screen()->grabWindow(c.winId()).toImage();
            painted.counting = false;
            const QImage whole = c.grab().toImage();
            painted.counting = true;
            ASSERT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                      whole.convertToFormat(QImage::Format_RGB32))
                << "speed " << speed << ", step " << steps << ", x " << c.stripX();
        }
        // A full repaint at every step would paint the whole control as often as it moved.
        EXPECT_LT(painted.area, fullArea * steps / 8) << "speed " << speed;
    }
}
