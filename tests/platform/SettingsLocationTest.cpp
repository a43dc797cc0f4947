// Whether the program folder takes files, and the first start's copy of the example settings.
// The choice of place itself is tested through copies of the program (tests/install).
#include "platform/core/SettingsLocation.h"

#include "platform/core/AppInfo.h"
#include "tests/common/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

using SettingsLocation::Seed;

TEST(SettingsLocation, AFolderTakesFilesOnlyWhenOneCanReallyBeMadeThere) {
    QTemporaryDir dir;
    EXPECT_TRUE(SettingsLocation::folderTakesFiles(dir.path()));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty())
        << "the probe leaves nothing behind";
    TestUtil::writeFile(dir.filePath("K41"), "x");
    EXPECT_FALSE(SettingsLocation::folderTakesFiles(dir.filePath("K41"))) << "a file";
    EXPECT_FALSE(SettingsLocation::folderTakesFiles(dir.filePath("missing")));
    // A folder no one may create files in, root included (the kernel's process folder).
    EXPECT_FALSE(SettingsLocation::folderTakesFiles(QStringLiteral("/proc")));
}

TEST(SettingsLocation, TheFirstStartCopiesTheExampleIntoANewFolder) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("share/K41.in4"), "example bytes");
    QFile::setPermissions(dir.filePath("share/K41.in4"), QFile::ReadOwner | QFile::ReadOther);
    const QString target = dir.filePath("config/K41/K41.test.in4");
    EXPECT_EQ(SettingsLocation::seedFromExample(target, dir.filePath("share/K41.in4")),
              Seed::Copied);
    EXPECT_EQ(TestUtil::readFile(target), "example bytes");
    EXPECT_TRUE(QFile::permissions(target) & QFile::WriteOwner)
        << "the user's copy of a read-only example can be saved";
    EXPECT_EQ(QDir(dir.filePath("config/K41")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"K41.test.in4"})
        << "no temporary file left";
}

TEST(SettingsLocation, WhatIsAlreadyThereIsNeverReplaced) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("example.in4"), "example");
    TestUtil::writeFile(dir.filePath("mine/K41.in4"), "the user's own");
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("mine/K41.in4"),
                                                dir.filePath("example.in4")),
              Seed::Present);
    EXPECT_EQ(TestUtil::readFile(dir.filePath("mine/K41.in4")), "the user's own");

    QDir(dir.path()).mkpath("folder/K41.in4");
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("folder/K41.in4"),
                                                dir.filePath("example.in4")),
              Seed::Present);
    EXPECT_TRUE(QFileInfo(dir.filePath("folder/K41.in4")).isDir());

    // A link to nowhere: copying through it would write a file somewhere else.
    QDir(dir.path()).mkpath("linked");
    QFile::link(dir.filePath("elsewhere/K41.in4"), dir.filePath("linked/K41.in4"));
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("linked/K41.in4"),
                                                dir.filePath("example.in4")),
              Seed::Present);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("elsewhere")));
}

TEST(SettingsLocation, WithoutAnExampleOnlyTheFolderIsMadeSoThatQuittingCanSave) {
    QTemporaryDir dir;
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("config/K41/K41.in4"), QString()),
              Seed::NoExample);
    EXPECT_TRUE(QFileInfo(dir.filePath("config/K41")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("config/K41/K41.in4")));
    // Only a regular file is an example: a folder in its place is passed over.
    QDir(dir.path()).mkpath("share/K41.in4");
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("config/K41/K41.in4"),
                                                dir.filePath("share/K41.in4")),
              Seed::NoExample);
}

TEST(SettingsLocation, AConfigFolderThatCannotBeMadeIsReportedAndNothingIsLeft) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("example.in4"), "example");
    TestUtil::writeFile(dir.filePath("config"), "a file where the folder should be");
    QString error;
    EXPECT_EQ(SettingsLocation::seedFromExample(dir.filePath("config/K41/K41.in4"),
                                                dir.filePath("example.in4"), &error),
              Seed::Failed);
    EXPECT_TRUE(error.contains(dir.filePath("config/K41"))) << error.toStdString();
    EXPECT_EQ(TestUtil::readFile(dir.filePath("config")), "a file where the folder should be");
}

TEST(SettingsLocation, ACopyThatDoesNotFitOnTheDiskLeavesNoCutFile) {
    QTemporaryDir dir;
    const QString disk = dir.filePath("disk");
    QDir().mkpath(disk);
    // A tiny file system of its own; mounting needs the rights CI and the developers' machines
    // run the tests with.
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    TestUtil::writeFile(dir.filePath("example.in4"), QByteArray(256 * 1024, 'x'));
    QString error;
    const Seed seed = SettingsLocation::seedFromExample(disk + "/K41/K41.in4",
                                                        dir.filePath("example.in4"), &error);
    const QStringList left =
        QDir(disk + "/K41").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QProcess::execute("umount", {disk});
    EXPECT_EQ(seed, Seed::Failed);
    EXPECT_TRUE(error.contains("K41.in4")) << error.toStdString();
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

TEST(SettingsLocation, TheConfigFolderFollowsTheXdgRules) {
    const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const QString own = QDir::cleanPath(QFile::decodeName(user->pw_dir) + "/.config/K41");

    qputenv("XDG_CONFIG_HOME", "/etc/xdg-test");
    EXPECT_EQ(AppInfo::configDir(), "/etc/xdg-test/K41");
    qputenv("XDG_CONFIG_HOME", "relative/config"); // not absolute: ignored
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(AppInfo::configDir(), "/home/someone/.config/K41");
    qunsetenv("HOME"); // the password database's home, never "//.config"
    EXPECT_EQ(AppInfo::configDir(), own);
    qputenv("HOME", "not/absolute");
    EXPECT_EQ(AppInfo::configDir(), own);

    qputenv("HOME", oldHome);
    if (oldXdg.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldXdg);
}
