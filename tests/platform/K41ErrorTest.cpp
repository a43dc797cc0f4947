#include "platform/core/K41Error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// What a failed open tells the user, by what is really at the path.
TEST(K41Error, AFailedOpenNamesWhatIsAtThePath) {
    QTemporaryDir dir;
    struct Case {
        QString path;
        int number;
        const char* words;
    } cases[] = {
        {dir.filePath("missing.hy3"), K41Error::FileNotFound, "ファイルが見つかりません"},
        {dir.filePath("nowhere/missing.hy3"), K41Error::PathNotFound, "パスが見つかりません"},
        {dir.path(), K41Error::PathFileAccess, "フォルダー"},
    };
    for (const Case& c : cases) {
        const K41Error e = K41Error::fromFileError(QFileDevice::OpenError, c.path);
        EXPECT_EQ(e.number(), c.number) << c.path.toStdString();
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.words))) << e.what();
        EXPECT_TRUE(e.description().contains(c.path));
    }
}

TEST(K41Error, OnlyAFullDiskIsCalledOne) {
    EXPECT_EQ(
        K41Error::fromFileError(QFileDevice::WriteError, "/x", "No space left on device").number(),
        K41Error::DiskFull);
    const K41Error other =
        K41Error::fromFileError(QFileDevice::WriteError, "/x", "Input/output error");
    EXPECT_EQ(other.number(), K41Error::DeviceIO);
    EXPECT_FALSE(other.description().contains("ディスクがいっぱい"));
}
