// The steps the X server's side runs for a scrolling line: the control's step rule at the
// moments the control's own timer would run it, and the copy each step needs.
#include "controls/stopname/ServerScroll.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(ServerScroll, StepsAtTheControlsMomentsWithItsRuleAndCopiesTheStripsOldAndNewPlaces) {
    // The control's clock started at an odd moment of the steady clock, the scroll at 1000 ms.
    const std::int64_t zero = 5'000'000'123;
    const ServerScroll::Layout layout{QSize(428, 54), QSize(600, 56), -1, 428};
    ChimeiScroll control;
    control.start(1000, 432, 600);
    control.advance(1000, 200, 300);
    ServerScroll steps;
    steps.set(control, 200, 300, zero, layout);

    int copies = 0, pauses = 0;
    for (int i = 0; i < 700; ++i) {
        // The control's timer runs the step at the first whole millisecond of its clock at
        // or after the step is due: not a nanosecond sooner.
        const qint64 ms = qint64(std::ceil(control.nextStepMs()));
        ASSERT_EQ(steps.dueNs(), zero + ms * 1'000'000) << "step " << i;
        ASSERT_TRUE(steps.advance(steps.dueNs() - 1).to.isEmpty());
        ASSERT_EQ(steps.stripX(), control.stripX());

        const int before = control.stripX();
        control.advance(ms, 200, 300);
        const CopyThread::Copy copy = steps.advance(steps.dueNs());
        ASSERT_EQ(steps.stripX(), control.stripX()) << "step " << i;
        const CopyThread::Copy expected = ServerScroll::stepCopy(layout, before, control.stripX());
        ASSERT_EQ(copy.to, expected.to) << "step " << i;
        ASSERT_EQ(copy.from, expected.from) << "step " << i;
        copies += !copy.to.isEmpty();
        pauses += control.pausing();
    }
    EXPECT_GT(copies, 500);
    EXPECT_GE(pauses, 1);
    EXPECT_EQ(steps.scroll().position(), control.position());
}

TEST(ServerScroll, AStepCopiesTheUnionOfTheStripsPlacesWithinTheWindow) {
    const ServerScroll::Layout layout{QSize(428, 54), QSize(100, 56), -1, 428};
    // Within the window: old and new places together, from the padded picture's columns.
    CopyThread::Copy copy = ServerScroll::stepCopy(layout, 202, 200);
    EXPECT_EQ(copy.to, QRect(200, 0, 102, 54));
    EXPECT_EQ(copy.from, QPoint(428 - 200 + 200, 1));
    // Leaving on the left: only what is still in the window, the old place included.
    copy = ServerScroll::stepCopy(layout, -99, -101);
    EXPECT_EQ(copy.to, QRect(0, 0, 1, 54));
    EXPECT_EQ(copy.from, QPoint(428 + 101, 1));
    // Out of sight at both places: nothing.
    EXPECT_TRUE(ServerScroll::stepCopy(layout, -100, -102).to.isEmpty());
    EXPECT_TRUE(ServerScroll::stepCopy(layout, 428, 430).to.isEmpty());
}
