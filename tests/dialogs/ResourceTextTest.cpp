#include "platform/ZKP4Res.h"

#include <gtest/gtest.h>

using namespace ZKP4Res;

TEST(ResourceLibraryText, ByteLengthAndSliceCountCodePageBytes) {
    EXPECT_EQ(LenB_ASCII(QStringLiteral("駅前")), 4);
    EXPECT_EQ(LenB_ASCII(QStringLiteral("A駅1")), 4);
    EXPECT_EQ(LenB_ASCII(QString()), 0);
    EXPECT_EQ(MidB_ASCII(QStringLiteral("駅前通り"), 3, 2), QStringLiteral("前"));
    EXPECT_EQ(MidB_ASCII(QStringLiteral("AB駅"), 1, 2), QStringLiteral("AB"));
    EXPECT_EQ(MidB_ASCII(QStringLiteral("ABC"), 3, 2), QStringLiteral("C"));
    EXPECT_EQ(MidB_ASCII(QStringLiteral("ABC"), 5, 2), QString());
    EXPECT_EQ(MidB_ASCII(QStringLiteral("ABC"), 0, 2), QString());
}
