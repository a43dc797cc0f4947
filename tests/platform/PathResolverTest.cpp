#include "platform/core/PathResolver.h"

#include "tests/common/TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PathResolver, FindsFilesCopiedFromWindowsWhateverTheirCase) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("Data/Fare/12.HY3"), "x");
    const QString stored = dir.path() + "\\data\\FARE\\12.hy3";
    EXPECT_EQ(PathResolver::resolve(stored), dir.filePath("Data/Fare/12.HY3"));
}

TEST(PathResolver, KeepsTheMissingRestAsWritten) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("Data/a.wav"), "x");
    EXPECT_EQ(PathResolver::resolve(dir.path() + "\\DATA\\Missing\\B.WAV"),
              dir.filePath("Data/Missing/B.WAV"));
    EXPECT_EQ(PathResolver::resolve(QString()), QString());
}

TEST(PathResolver, AppendsTheSeparatorOnlyWhenMissing) {
    EXPECT_EQ(PathResolver::withTrailingSeparator("C:\\HY"), "C:\\HY\\");
    EXPECT_EQ(PathResolver::withTrailingSeparator("C:\\HY\\"), "C:\\HY\\");
    EXPECT_EQ(PathResolver::withTrailingSeparator("/data/"), "/data/");
    EXPECT_EQ(PathResolver::withTrailingSeparator(""), "");
}
