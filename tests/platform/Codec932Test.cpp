#include "platform/Codec932.h"
#include "platform/Twips.h"
#include "platform/ZKP4Res.h"

#include <climits>
#include <gtest/gtest.h>

using namespace ZKP4Res;

TEST(Codec932, EncodesJapaneseAsWindowsDoes) {
    EXPECT_EQ(Codec932::encode(QStringLiteral("次は")), QByteArray("\x8E\x9F\x82\xCD"));
    EXPECT_EQ(Codec932::encode(QStringLiteral("C:\\HY")), QByteArray("C:\\HY"));
    EXPECT_EQ(Codec932::encode(QStringLiteral("ｽｸﾛｰﾙ")), QByteArray("\xBD\xB8\xDB\xB0\xD9"));
    EXPECT_EQ(Codec932::decode(QByteArray("\x89\x77\x91\x4F")), QStringLiteral("駅前"));
}

TEST(Codec932, UnencodableCharactersBecomeQuestionMarks) {
    // U+00E9 and an emoji have no code page 932 form; Windows writes "?" for each.
    EXPECT_EQ(Codec932::encode(QStringLiteral("a\u00E9b")), QByteArray("a?b"));
    EXPECT_EQ(Codec932::encode(QString::fromUtf8("x\xF0\x9F\x9A\x8Cy")), QByteArray("x?y"));
    EXPECT_FALSE(Codec932::canEncode(QStringLiteral("caf\u00E9")));
    EXPECT_EQ(Codec932::firstUnencodable(QStringLiteral("駅caf\u00E9")), QStringLiteral("\u00E9"));
    EXPECT_TRUE(Codec932::canEncode(QStringLiteral("?")));
}

TEST(Codec932, BytesDecodeAsWindowsReadsThemAndEncodeBackUnchanged) {
    // ICU's own table swaps these three control codes; Windows keeps them as ASCII.
    const QByteArray controls("\x1A\x1C\x7F\x00", 4);
    EXPECT_EQ(Codec932::decode(controls), QString::fromUtf16(u"\u001A\u001C\u007F\u0000", 4));
    EXPECT_EQ(Codec932::encode(Codec932::decode(controls)), controls);
    // Bytes no character starts with, and a lead byte without its second byte.
    EXPECT_EQ(Codec932::decode("\x80"
                               "A\xA0\xFD\x81 B\x81"),
              QStringLiteral("\uFFFDA\uFFFD\uFFFD\uFFFD B\uFFFD"));
    EXPECT_EQ(Codec932::decode("\xB1\x81\x40\xEA\xA4"), QStringLiteral("ｱ\u3000熙"));
}

TEST(Codec932, LinuxLookAlikesMapToTheirWindowsForms) {
    EXPECT_EQ(Codec932::encode(QStringLiteral("\u301C")),
              Codec932::encode(QStringLiteral("\uFF5E")));
    EXPECT_EQ(Codec932::encode(QStringLiteral("\u2212")),
              Codec932::encode(QStringLiteral("\uFF0D")));
    EXPECT_EQ(Codec932::encode(QStringLiteral("\u00A3")),
              Codec932::encode(QStringLiteral("\uFFE1")));
    EXPECT_TRUE(Codec932::canEncode(QStringLiteral("\u2016\u00A2\u00AC")));
}

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

TEST(Twips, FifteenTwipsMakeOnePixel) {
    EXPECT_EQ(Twips::toPixels(8145), 543);
    EXPECT_EQ(Twips::toPixels(4995), 333);
    EXPECT_EQ(Twips::toPixels(-15), -1);
    EXPECT_EQ(Twips::fromPixels(432), 6480);
    EXPECT_EQ(Twips::toPixels(705, 1815, 1140, 435), QRect(47, 121, 76, 29));
    // Positions read from a settings file may be anywhere in the 32-bit range.
    EXPECT_EQ(Twips::toPixels(INT_MAX), 143165576);
    EXPECT_EQ(Twips::toPixels(INT_MIN), -143165577);
}
