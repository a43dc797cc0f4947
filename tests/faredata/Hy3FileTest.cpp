#include "faredata/Hy3File.h"

#include "platform/core/K41Error.h"
#include "tests/faredata/Hy3Bytes.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

int errorOf(const QByteArray& bytes) {
    try {
        Hy3File::readRows(bytes);
    } catch (const K41Error& e) {
        return e.number();
    }
    return 0;
}

// "駅前" and "市役所前" in code page 932.
const QByteArray Ekimae("\x89\x77\x91\x4f");
const QByteArray Shiyakusho("\x8e\x73\x96\xf0\x8f\x8a\x91\x4f");

} // namespace

TEST(Hy3File, ReadsAFileBuiltFieldByField) {
    const QByteArray bytes = Hy3Bytes::file(3, {Hy3Bytes::row(Ekimae, 0, {0, 0, -1}),
                                                Hy3Bytes::row(Shiyakusho, 2, {180, 32767, -32768}),
                                                Hy3Bytes::row("", -5, {200, 220})});
    const auto rows = Hy3File::readRows(bytes);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].StopName, QStringLiteral("駅前"));
    EXPECT_EQ(rows[0].SeiriNum, 0);
    EXPECT_EQ(rows[0].Fare(3), -1);
    EXPECT_EQ(rows[1].StopName, QStringLiteral("市役所前"));
    EXPECT_EQ(rows[1].Fare(1), 180);
    EXPECT_EQ(rows[1].Fare(2), 32767);
    EXPECT_EQ(rows[1].Fare(3), -32768);
    EXPECT_EQ(rows[1].Fare(150), 0);
    EXPECT_EQ(rows[2].StopName, QString());
    EXPECT_EQ(rows[2].SeiriNum, -5);
    EXPECT_EQ(rows[2].Fare(2), 220);

    // The writer gives back exactly the same bytes.
    EXPECT_EQ(Hy3File::write(rows), bytes);
}

TEST(Hy3File, RoundTripsRandomRows) {
    QRandomGenerator rng(41);
    const QStringList names{QStringLiteral("山鳩市立総合医療センター前"),
                            QStringLiteral("ﾊﾞｽﾀｰﾐﾅﾙ"), QStringLiteral("A, \"B\""), QString(),
                            QStringLiteral("〇〇団地")};
    for (int n : {1, 2, 17, 301}) {
        std::vector<FareRow> rows(static_cast<size_t>(n));
        for (FareRow& row : rows) {
            row.StopName = names.at(rng.bounded(names.size()));
            row.SeiriNum = static_cast<qint16>(rng.bounded(-32768, 32768));
            for (qint16& f : row.Fares)
                f = static_cast<qint16>(rng.bounded(-32768, 32768));
        }
        EXPECT_EQ(Hy3File::readRows(Hy3File::write(rows)), rows) << n << " rows";
    }
}

TEST(Hy3File, RefusesCountsOutsideOneTo301) {
    EXPECT_EQ(errorOf(Hy3Bytes::numbered(301)), 0);
    EXPECT_EQ(Hy3File::readRows(Hy3Bytes::numbered(301)).back().StopName, QStringLiteral("停301"));
    EXPECT_EQ(errorOf(Hy3Bytes::numbered(302)), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(errorOf(Hy3Bytes::file(0, {})), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(errorOf(Hy3Bytes::file(-3, {Hy3Bytes::row("a", 1)})), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(errorOf(QByteArray()), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(Hy3File::readCount(QByteArray()), 0);
    EXPECT_EQ(Hy3File::readCount(Hy3Bytes::file(-3, {})), -3);

    EXPECT_THROW(Hy3File::write({}), K41Error);
    EXPECT_THROW(Hy3File::write(std::vector<FareRow>(302)), K41Error);
    FareRow longName;
    longName.StopName = QString(40000, QChar(0x6F22)); // 漢, two bytes in code page 932
    EXPECT_THROW(Hy3File::write({longName}), K41Error);
}

TEST(Hy3File, RefusesEveryCutAndIgnoresBytesAfterTheLastRow) {
    const QByteArray whole =
        Hy3Bytes::file(2, {Hy3Bytes::row(Ekimae, 1, {-1, 180}), Hy3Bytes::row("", 2, {200})});
    ASSERT_EQ(errorOf(whole), 0);
    for (qsizetype len = 1; len < whole.size(); ++len) {
        EXPECT_EQ(errorOf(whole.left(len)), K41Error::InputPastEnd) << "cut at " << len;
        EXPECT_FALSE(Hy3File::check(whole.left(len)).ok);
    }
    EXPECT_EQ(Hy3File::readRows(whole + QByteArray("trailing garbage")).size(), 2u);
    EXPECT_TRUE(Hy3File::check(whole + QByteArray(1000, '\xff')).ok);
}

TEST(Hy3File, NamesTheDamageInItsDescription) {
    // A name length that runs past the end, and a count larger than the rows present.
    QByteArray pastEnd = Hy3Bytes::file(1, {});
    Hy3Bytes::u16(pastEnd, 60000);
    pastEnd += "abc";
    try {
        Hy3File::readRows(pastEnd);
        FAIL() << "accepted a name past the end";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), K41Error::InputPastEnd);
        EXPECT_TRUE(e.description().contains(QStringLiteral("1行目の停留所名"))) << e.what();
    }
    try {
        Hy3File::readRows(Hy3Bytes::file(3, {Hy3Bytes::row("a", 1), Hy3Bytes::row("b", 2)}));
        FAIL() << "accepted a count larger than the rows";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), K41Error::InputPastEnd);
        EXPECT_TRUE(e.description().contains(QStringLiteral("3行目"))) << e.what();
    }
}

TEST(Hy3File, SurvivesRandomBytesAndAgreesWithCheck) {
    QRandomGenerator rng(4141);
    const QByteArray valid = Hy3Bytes::numbered(3);
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes;
        if (i % 2 == 0) {
            bytes.resize(rng.bounded(0, 1500));
            for (char& c : bytes)
                c = static_cast<char>(rng.bounded(256));
            // Small counts reach the row parsing instead of failing on the count.
            if (bytes.size() >= 2 && i % 4 == 0)
                bytes[1] = 0, bytes[0] = static_cast<char>(rng.bounded(1, 5));
        } else {
            bytes = valid;
            for (int flips = rng.bounded(1, 6); flips > 0; --flips)
                bytes[rng.bounded(bytes.size())] = static_cast<char>(rng.bounded(256));
            bytes.truncate(rng.bounded(bytes.size() + 1));
        }
        bool read = false;
        try {
            Hy3File::readRows(bytes);
            read = true;
        } catch (const K41Error&) {
        }
        EXPECT_EQ(Hy3File::check(bytes).ok, read) << "case " << i;
    }
}

TEST(Hy3File, WarnsWhenOneRowLeavesNoSection) {
    const auto one = Hy3File::check(Hy3Bytes::numbered(1));
    EXPECT_TRUE(one.ok);
    EXPECT_FALSE(one.warning.isEmpty());
    const auto two = Hy3File::check(Hy3Bytes::numbered(2));
    EXPECT_TRUE(two.ok);
    EXPECT_TRUE(two.warning.isEmpty());
    EXPECT_EQ(two.rows, 2);
}
