#include "platform/core/Codec932.h"

#include <gtest/gtest.h>

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
    // Each unencodable character costs only itself, not the Japanese after it.
    EXPECT_EQ(Codec932::encode(QStringLiteral("caf\u00E9駅\u00E9前")),
              QByteArray("caf?\x89\x77?\x91\x4F"));
    EXPECT_EQ(Codec932::firstUnencodable(QStringLiteral("駅前")), QString());
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
