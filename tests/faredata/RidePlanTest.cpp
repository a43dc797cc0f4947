// When an automatic ride steps on: every few seconds, or on a route's timetable sped up.
#include "faredata/RidePlan.h"
#include "platform/core/K41Error.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(RidePlan, StepsEveryFewSecondsOrOnTheTimetableDividedByTheFactor) {
    EXPECT_EQ(RidePlan::everySeconds(8).delayMs(0), 8000);
    EXPECT_EQ(RidePlan::everySeconds(0).delayMs(3), 1000) << "never a zero wait";

    const QList<qint64> times{0, 75, 140, 140, 100, 400};
    const RidePlan real = RidePlan::onTimetable(times, 1);
    const RidePlan fast = RidePlan::onTimetable(times, 10);
    EXPECT_TRUE(fast.followsTimetable());
    EXPECT_EQ(real.delayMs(0), 75000);
    EXPECT_EQ(fast.delayMs(0), 7500);
    EXPECT_EQ(fast.delayMs(1), 6500);
    // Times that stand still or go back, and rows past the timetable, wait one second.
    EXPECT_EQ(fast.delayMs(2), 1000);
    EXPECT_EQ(fast.delayMs(3), 1000);
    EXPECT_EQ(fast.delayMs(4), 30000);
    EXPECT_EQ(fast.delayMs(5), 1000);
    EXPECT_EQ(fast.delayMs(-1), 1000);
}

TEST(RidePlan, ATimetableIsReadLineByLineAndABadLineIsNamed) {
    EXPECT_EQ(RidePlan::parseTimetable("0,駅前\r\n75,市役所前\r\n140,\"中央,通り\"\n\n\n"),
              (QList<qint64>{0, 75, 140}));
    EXPECT_EQ(RidePlan::parseTimetable(" 12 ,x"), QList<qint64>{12});
    for (const char* bad : {"0,a\n-5,b", "0,a\nb", "0,a\n1.5,b", "0,a\n,b", "0,a\n\n3,c",
                            "0,a\n99999999999999999999,b", "0,a\n40000000,b"}) {
        try {
            RidePlan::parseTimetable(bad);
            ADD_FAILURE() << bad;
        } catch (const K41Error& e) {
            EXPECT_EQ(e.number(), 13) << bad;
            EXPECT_TRUE(e.description().contains(QStringLiteral("2 行目")) ||
                        e.description().contains(QStringLiteral("3 行目")))
                << bad << " " << e.description().toStdString();
        }
    }
    const QByteArray tooLong = QByteArray("1,x\n").repeated(RidePlan::MaxRows + 1);
    EXPECT_THROW(RidePlan::parseTimetable(tooLong), K41Error);
}

TEST(RidePlan, TheTimetableIsFoundBesideTheRouteWhateverTheCaseOfItsName) {
    QTemporaryDir dir;
    EXPECT_TRUE(RidePlan::loadTimetable(dir.path(), "7").isEmpty()) << "no file: no timetable";
    QFile f(QDir(dir.path()).filePath("7TIMES.CSV"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0,a\n30,b\n");
    f.close();
    EXPECT_EQ(RidePlan::loadTimetable(dir.path(), "7"), (QList<qint64>{0, 30}));

    QFile bad(QDir(dir.path()).filePath("8times.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0,a\nx,b\n");
    bad.close();
    try {
        RidePlan::loadTimetable(dir.path(), "8");
        ADD_FAILURE();
    } catch (const K41Error& e) {
        EXPECT_TRUE(e.description().contains("8times.csv")) << e.description().toStdString();
    }
}
