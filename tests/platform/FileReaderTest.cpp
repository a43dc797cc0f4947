#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "tests/common/TestUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs the read on a worker so that a reader that blocks fails the test instead of hanging
// it; a blocked open is released by opening the pipe's other end.
K41Error readError(const QString& path) {
    auto result = std::async(std::launch::async, [path]() -> K41Error {
        try {
            FileReader::read(path, 100);
        } catch (const K41Error& e) {
            return e;
        }
        return K41Error(0, QStringLiteral("read"));
    });
    if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        QFile writer(path);
        if (writer.open(QIODevice::WriteOnly)) writer.close();
        result.wait();
        ADD_FAILURE() << "reading " << path.toStdString() << " blocked";
        return K41Error(-1, QStringLiteral("blocked"));
    }
    return result.get();
}

} // namespace

TEST(FileReader, RefusesWhatIsNoRegularFileAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("K41.in4"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const K41Error pipe = readError(fifo);
    EXPECT_EQ(pipe.number(), K41Error::PathFileAccess);
    EXPECT_TRUE(pipe.description().contains(QStringLiteral("通常のファイルではない")));

    const K41Error device = readError(QStringLiteral("/dev/zero"));
    EXPECT_EQ(device.number(), K41Error::PathFileAccess);

    const K41Error folder = readError(dir.path());
    EXPECT_EQ(folder.number(), K41Error::PathFileAccess);
    EXPECT_TRUE(folder.description().contains(QStringLiteral("フォルダー")));
}

TEST(FileReader, ReadsUpToTheLimitAndNamesMissingFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("12.hy3"));
    TestUtil::writeFile(path, QByteArray("0123456789"));
    EXPECT_EQ(FileReader::read(path, 4), QByteArray("0123"));
    EXPECT_EQ(FileReader::read(path, 100), QByteArray("0123456789"));
    EXPECT_EQ(FileReader::read(path, 0), QByteArray());

    // A link to a regular file reads its target; one whose target is gone says so.
    const QString link = dir.filePath(QStringLiteral("link.hy3"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(FileReader::read(link, 100), QByteArray("0123456789"));
    const QString dangling = dir.filePath(QStringLiteral("gone.hy3"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nothing")), dangling));
    const K41Error gone = readError(dangling);
    EXPECT_EQ(gone.number(), K41Error::FileNotFound);
    EXPECT_TRUE(gone.description().contains(QStringLiteral("リンク先")));

    EXPECT_EQ(readError(dir.filePath(QStringLiteral("none.hy3"))).number(), K41Error::FileNotFound);
    EXPECT_EQ(readError(dir.filePath(QStringLiteral("no/such/a.hy3"))).number(),
              K41Error::PathNotFound);
}

TEST(FileReader, AFileWithoutReadPermissionIsAnAccessRefusal) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("K41.in4"));
    TestUtil::writeFile(path, QByteArray("x"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const K41Error refused = readError(path);
    EXPECT_EQ(refused.number(), K41Error::PermissionDenied);
    EXPECT_TRUE(refused.description().contains(QStringLiteral("読み取り")));
}
