// The table-driven codec against ICU's "windows-31j" converter used one character at a time,
// with K41's rules on top (ASCII kept as it is, "?" for what has no form, the Linux
// look-alikes), over every two-byte sequence and every character.
#include "platform/core/Codec932.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray icuEncodeOne(QStringView ch) {
    static const QHash<char16_t, char16_t> lookAlikes{{0x301C, 0xFF5E}, {0x2016, 0x2225},
                                                      {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
                                                      {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};
    if (ch.size() == 1 && ch.at(0).unicode() < 0x80) return QByteArray(1, char(ch.at(0).unicode()));
    QString mapped = ch.toString();
    if (ch.size() == 1) mapped[0] = QChar(lookAlikes.value(ch.at(0).unicode(), ch.at(0).unicode()));
    QStringEncoder enc("windows-31j");
    const QByteArray bytes = enc.encode(mapped);
    if (enc.hasError() || bytes.isEmpty() || bytes == QByteArray("\xFC\xFC", 2) || bytes == "?")
        return "?";
    return bytes;
}

QString icuDecode(const QByteArray& bytes) {
    QStringDecoder dec("windows-31j", QStringDecoder::Flag::Stateless);
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    QString out;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = p[i];
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const bool trail =
            i + 1 < bytes.size() && p[i + 1] >= 0x40 && p[i + 1] <= 0xFC && p[i + 1] != 0x7F;
        if (b < 0x80) {
            out += QChar(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            out += QChar(0xFF61 + (b - 0xA1));
        } else if (lead && trail) {
            const QString ch = dec.decode(QByteArrayView(p + i, 2));
            const bool ok = ch.size() == 1 && ch.at(0) != QChar(0x1A) && ch.at(0) != QChar(0xFFFD);
            out += ok ? ch.at(0) : QChar(0xFFFD);
            ++i;
        } else {
            out += QChar(0xFFFD);
        }
        ++i;
    }
    return out;
}

} // namespace

TEST(Codec932Icu, EveryTwoByteSequenceAndRandomBytesDecodeAsIcuReadsThem) {
    for (int v = 0; v < 0x10000; ++v) {
        const QByteArray bytes{char(v >> 8), char(v)};
        ASSERT_EQ(Codec932::decode(bytes), icuDecode(bytes))
            << QByteArray(bytes).toHex().constData();
    }
    std::mt19937 random(932);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(int(random() % 40), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random() % 2 ? 0x80 + random() % 0x80 : random() % 0x100);
        ASSERT_EQ(Codec932::decode(bytes), icuDecode(bytes)) << bytes.toHex().constData();
    }
}

TEST(Codec932Icu, EveryCharacterEncodesAsIcuWritesIt) {
    QString all;
    QByteArray expected;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const QString ch = QStringView(QChar::fromUcs4(c)).toString();
        const QByteArray want = icuEncodeOne(ch);
        ASSERT_EQ(Codec932::encode(ch), want) << std::hex << unsigned(c);
        ASSERT_EQ(Codec932::canEncode(ch), want != "?" || c == '?') << std::hex << unsigned(c);
        if (c < 0x10000) {
            all += ch;
            expected += want;
        }
    }
    // Within a long text a character's bytes do not depend on the ones before it.
    EXPECT_EQ(Codec932::encode(all), expected);
    // Half a surrogate pair is no character.
    EXPECT_EQ(Codec932::encode(QString::fromUtf16(u"a\xD83D"
                                                  "b\xDE8C")),
              QByteArray("a?b?"));
    EXPECT_EQ(Codec932::firstUnencodable(QString::fromUtf16(u"駅\xDE8C")), QString(QChar(0xDE8C)));
}
