// The settings file when the disk is full, a write fails, or the path is not a plain file:
// the old file survives byte for byte and the error box says what really happened.
#include "settings/In4File.h"
#include "settings/mdlIniIoEx.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/SmallDisk.h"
#include "tests/common/TestUtil.h"
#include "tests/settings/FakeIniHost.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray fileOf(const FakeHost& h) {
    return In4Format::write({h.store, h.ctrl, h.form, 24, h.digits});
}

bool isKind(const QString& path, mode_t kind) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

} // namespace

TEST(SettingsSave, AFullDiskKeepsTheOldFileAndShowsTheBox) {
    SmallDisk disk;
    if (!disk.isMounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString path = disk.filePath(QStringLiteral("K41.in4"));
    FakeHost before;
    mdlIniIoEx::SaveIniFile(path, before);
    const QByteArray old = TestUtil::readFile(path);
    ASSERT_EQ(old, fileOf(before));
    ASSERT_GT(disk.fill(), 0);

    FakeHost host;
    fillUnusual(host);
    mdlIniIoEx::SaveIniFile(path, host);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(
        host.errors[0].startsWith(QStringLiteral("エラー Code:61\r\n内容:ディスクがいっぱいです")))
        << host.errors[0].toStdString();
    EXPECT_EQ(TestUtil::readFile(path), old);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"K41.in4", "filler"}));
}

// A folder that takes no new file: the file is written in place, so the space must be there
// before the first byte changes.
TEST(SettingsSave, AFullDiskRefusesAnInPlaceSaveBeforeCuttingTheFile) {
    SmallDisk disk;
    if (!disk.isMounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString path = disk.filePath(QStringLiteral("K41.in4"));
    FakeHost before;
    mdlIniIoEx::SaveIniFile(path, before);
    const QByteArray old = TestUtil::readFile(path);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), TestUtil::Nobody, TestUtil::Nobody), 0);
    disk.fill();
    ASSERT_EQ(::chmod(QFile::encodeName(disk.path()).constData(), 0555), 0);

    FakeHost host;
    host.store.SoundPre1 = QString(9000, QLatin1Char('a')); // three pages where one was
    const int result = TestUtil::asNobody([&] {
        mdlIniIoEx::SaveIniFile(path, host);
        if (host.errors.size() != 1) return 1;
        return host.errors[0].startsWith(QStringLiteral("エラー Code:61\r\n")) ? 0 : 2;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TestUtil::readFile(path), old);
}

TEST(SettingsSave, EveryFailingWriteKeepsTheOldFileAndShowsTheBox) {
    QTemporaryDir dir(TestUtil::scratchFolder() + QStringLiteral("/k41-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("K41.in4"));
    FakeHost host;
    fillUnusual(host);
    for (const QByteArray& old : {QByteArray(652, 'o'), QByteArray(5000, 'o')}) {
        SCOPED_TRACE(old.size());
        FaultInjection::everyFault(path, old, fileOf(host), [&] {
            host.errors.clear();
            mdlIniIoEx::SaveIniFile(path, host);
            return host.errors.isEmpty();
        });
    }
}

TEST(SettingsSave, ALinkToAFileIsWrittenThroughAndStays) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real/K41.in4"));
    const QString link = dir.filePath(QStringLiteral("K41.in4"));
    TestUtil::writeFile(target, "old");
    ASSERT_TRUE(QFile::link(QStringLiteral("real/K41.in4"), link));
    FakeHost host;
    fillUnusual(host);
    mdlIniIoEx::SaveIniFile(link, host);
    EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TestUtil::readFile(target), fileOf(host));
}

// Saving used to replace whatever a link led to, so as root a link to /dev/zero turned the
// device into a plain file.
TEST(SettingsSave, WhatIsNotAFileIsRefusedAndLeftAsItIs) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe")).constData(), 0644), 0);
    const bool haveDevice =
        ::mknod(QFile::encodeName(at("zero")).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    QFile::link(at("pipe"), at("to-pipe.in4"));
    QFile::link(at("zero"), at("to-zero.in4"));
    QFile::link(at("gone"), at("to-nothing.in4"));
    struct Case {
        const char* path;
        const char* says;
        const char* target;
        mode_t kind;
    } cases[] = {
        {"pipe", "名前付きパイプ", "pipe", S_IFIFO},
        {"to-pipe.in4", "名前付きパイプ", "pipe", S_IFIFO},
        {"to-zero.in4", "デバイス", "zero", S_IFCHR},
        {"to-nothing.in4", "リンク先のファイルがありません", "gone", 0},
    };
    for (const Case& c : cases) {
        if (c.kind == S_IFCHR && !haveDevice) continue; // creating a device node needs root
        SCOPED_TRACE(c.path);
        FakeHost host;
        mdlIniIoEx::SaveIniFile(at(c.path), host);
        ASSERT_EQ(host.errors.size(), 1);
        EXPECT_TRUE(host.errors[0].contains(QString::fromUtf8(c.says)))
            << host.errors[0].toStdString();
        if (c.kind != 0)
            EXPECT_TRUE(isKind(at(c.target), c.kind));
        else
            EXPECT_FALSE(QFileInfo::exists(at(c.target)));
        if (QLatin1String(c.path) != QLatin1String(c.target))
            EXPECT_TRUE(QFileInfo(at(c.path)).isSymLink());
    }
}

// A file closed to the user altogether is not "read-only": the box says it may be neither
// read nor written, and a file that may only be read is still called read-only.
TEST(SettingsSave, TheBoxNamesThePermissionThatIsMissing) {
    QTemporaryDir dir;
    if (geteuid() == 0 &&
        ::chown(QFile::encodeName(dir.path()).constData(), TestUtil::Nobody, TestUtil::Nobody) != 0)
        GTEST_SKIP() << "cannot hand the folder to nobody";
    const QString closed = dir.filePath(QStringLiteral("closed.in4"));
    const QString readOnly = dir.filePath(QStringLiteral("readonly.in4"));
    TestUtil::writeFile(closed, "old");
    TestUtil::writeFile(readOnly, "old");
    for (const QString& path : {closed, readOnly})
        ::chown(QFile::encodeName(path).constData(), TestUtil::Nobody, TestUtil::Nobody);
    ::chmod(QFile::encodeName(closed).constData(), 0);
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);

    const auto boxOf = [](const QString& path, bool save) {
        return TestUtil::asNobody([&] {
            FakeHost host;
            save ? mdlIniIoEx::SaveIniFile(path, host) : mdlIniIoEx::LoadIniFile(path, host);
            if (host.errors.size() != 1) return 1;
            const QString& box = host.errors[0];
            if (box.contains(QStringLiteral("読み取り専用"))) return 10;
            if (box.contains(QStringLiteral("読み取りも書き込みも許可されていません"))) return 11;
            if (box.contains(QStringLiteral("読み取りが許可されていません"))) return 12;
            return 2;
        });
    };
    EXPECT_EQ(boxOf(closed, true), 11);
    EXPECT_EQ(boxOf(closed, false), 12);
    EXPECT_EQ(boxOf(readOnly, true), 10);
    ::chmod(QFile::encodeName(closed).constData(), 0644);
    EXPECT_EQ(TestUtil::readFile(closed), QByteArray("old"));
}
