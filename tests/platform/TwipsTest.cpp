#include "platform/core/Twips.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Twips, FifteenTwipsMakeOnePixel) {
    EXPECT_EQ(Twips::toPixels(8145), 543);
    EXPECT_EQ(Twips::toPixels(4995), 333);
    EXPECT_EQ(Twips::toPixels(-15), -1);
    EXPECT_EQ(Twips::fromPixels(432), 6480);
    EXPECT_EQ(Twips::toPixels(705, 1815, 1140, 435), QRect(47, 121, 76, 29));
    // Positions read from a settings file may be anywhere in the 32-bit range.
    EXPECT_EQ(Twips::toPixels(INT_MAX), 143165576);
    EXPECT_EQ(Twips::toPixels(INT_MIN), -143165577);
    EXPECT_EQ(Twips::fromPixels(-143165577), INT_MIN);
    EXPECT_EQ(Twips::fromPixels(143165577), INT_MAX);
}
