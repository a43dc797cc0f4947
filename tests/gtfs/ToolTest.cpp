// k41tool gtfs on a feed made here: the list a user picks from, and an import into a folder.
#include "faredata/Hy3File.h"
#include "tests/common/TestUtil.h"
#include "tests/gtfs/SmallFeed.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GtfsTool, ListsPatternsAndImportsOneByItsId) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("six.zip"), SmallFeed::sixStops().zip());
    const auto listed =
        TestUtil::runProgram(K41TOOL_PATH, {"gtfs", "list", dir.filePath("six.zip")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, QStringLiteral("1\t中央線\t森の家\t駅前\t森の家\t6\t2\tT1\n"
                                         "2\t２系統\t駅前, 市役所方面\t病院\t森の家\t2\t1\tT3\n"));

    const auto imported =
        TestUtil::runProgram(K41TOOL_PATH, {"gtfs", "import", dir.filePath("six.zip"), "--pattern",
                                            "1", "--route", "12", dir.filePath("out")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(QStringLiteral("運賃の規則がない区間")));
    EXPECT_EQ(Hy3File::readRows(Hy3File::readFile(dir.filePath("out/12.hy3"))).size(), 6u);
    for (const char* name : {"12tp.csv", "12readings.csv", "12times.csv", "12.gtfs.txt"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("out/") + name))) << name;

    // Wrong use and a missing trip: nothing written, a message naming what is wrong.
    const auto wrong =
        TestUtil::runProgram(K41TOOL_PATH, {"gtfs", "import", dir.filePath("six.zip"), "--route",
                                            "1", dir.filePath("o2")});
    EXPECT_EQ(wrong.exitCode, 2);
    const auto missing =
        TestUtil::runProgram(K41TOOL_PATH, {"gtfs", "import", dir.filePath("six.zip"), "--trip",
                                            "T9", "--route", "1", dir.filePath("o2")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("T9"));
    EXPECT_FALSE(QFile::exists(dir.filePath("o2")));
}
