#include "platform/core/K41Error.h"
#include "settings/In4File.h"
#include "settings/mdlIniIoEx.h"
#include "tests/common/TestUtil.h"
#include "tests/settings/EveryFieldChanged.h"
#include "tests/settings/FakeIniHost.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

QString settingsPath(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("K41.in4"));
}

} // namespace

TEST(IniIo, SaveThenLoadRestoresEverything) {
    QTemporaryDir dir;
    FakeHost saver;
    fillUnusual(saver);
    mdlIniIoEx::SaveIniFile(settingsPath(dir), saver);
    ASSERT_TRUE(saver.errors.isEmpty()) << saver.errors.join('\n').toStdString();

    FakeHost loader;
    mdlIniIoEx::LoadIniFile(settingsPath(dir), loader);
    ASSERT_TRUE(loader.errors.isEmpty()) << loader.errors.join('\n').toStdString();
    EXPECT_EQ(In4Format::write({loader.store, loader.ctrl, loader.form, 24, loader.digits}),
              In4Format::write({saver.store, saver.ctrl, saver.form, 24, saver.digits}));
    EXPECT_EQ(loader.store.FareDataDir, saver.store.FareDataDir);
    EXPECT_EQ(loader.store.CustomColors, saver.store.CustomColors);
    EXPECT_EQ(loader.digits, saver.digits);
    EXPECT_EQ(loader.ctrl, saver.ctrl);
    EXPECT_EQ(loader.form, saver.form);
    // The board's controls were given the loaded colours and the stop-name properties.
    for (int i = 1; i <= 24; ++i) {
        EXPECT_EQ(loader.fareColours[i].lit, 0x030303u);
        EXPECT_EQ(loader.fareValues[i], QStringLiteral(" "));
    }
    EXPECT_EQ(loader.clockColours[1].back, 0x010101u);
    EXPECT_EQ(loader.stopName.TsugiwaColor, 0x0Cu);
    EXPECT_TRUE(loader.stopName.TsugiwaBold);
    EXPECT_EQ(loader.stopName.TsugiwaFontMode, 2);
}

TEST(IniIo, LoadAppliesInOrder) {
    QTemporaryDir dir;
    FakeHost saver;
    mdlIniIoEx::SaveIniFile(settingsPath(dir), saver);
    FakeHost loader;
    mdlIniIoEx::LoadIniFile(settingsPath(dir), loader);
    QStringList expected;
    for (int i = 1; i <= 24; ++i)
        expected << QStringLiteral("Degit(%1)").arg(i);
    expected << "TimeDegit(0)"
             << "TimeDegit(1)"
             << "ChimeiCtl"
             << "backlight"
             << "SetPlgin"
             << "SetCtrlDataInfo"
             << "SetFormInfo"
             << "SetProp";
    EXPECT_EQ(loader.log, expected);
}

TEST(IniIo, AMissingFileIsSilentAndAppliesNothing) {
    QTemporaryDir dir;
    FakeHost host;
    mdlIniIoEx::LoadIniFile(settingsPath(dir), host);
    mdlIniIoEx::LoadIniFile(QString(), host);
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_TRUE(host.log.isEmpty());
}

TEST(IniIo, ACutFileGivesEverythingBeforeTheCut) {
    QTemporaryDir dir;
    const QString path = settingsPath(dir);
    const In4File unusual = EveryFieldChanged::file();
    const QByteArray whole = In4Format::write(unusual);
    const qsizetype panelStart = whole.size() - 244; // the panel state's first byte
    struct Case {
        qsizetype keep;
        bool panelAndBoard;
    };
    for (const Case c : {Case{panelStart + 3, false}, Case{whole.size() - 2, true}}) {
        TestUtil::writeFile(path, whole.left(c.keep));
        FakeHost loader;
        mdlIniIoEx::LoadIniFile(path, loader);
        ASSERT_EQ(loader.errors.size(), 1);
        const QString box = loader.errors[0];
        EXPECT_TRUE(box.startsWith(QStringLiteral("エラー Code:62\r\n内容:"))) << box.toStdString();
        EXPECT_TRUE(box.contains(c.panelAndBoard ? "DegitUserInfo(24).FillZero"
                                                 : "CtrlDataInfo.ScrollSpeed"));
        EXPECT_TRUE(box.contains(QStringLiteral("ほかの設定値は読み込みました。")));
        EXPECT_TRUE(box.contains(QStringLiteral("\r\n設定ファイル: ") + path));
        EXPECT_TRUE(box.contains(QStringLiteral("K41.in4.bad")));
        Settings expected = unusual.options;
        if (!c.panelAndBoard) expected.CustomColors = Settings().CustomColors;
        EXPECT_EQ(In4Format::write({loader.store, {}, {}, 24, {}}),
                  In4Format::write({expected, {}, {}, 24, {}}))
            << "every setting before the cut is applied";
        EXPECT_EQ(loader.log.contains("SetCtrlDataInfo"), c.panelAndBoard);
        EXPECT_EQ(loader.log.contains("SetFormInfo"), c.panelAndBoard);
        EXPECT_EQ(loader.log.last(), QStringLiteral("SetProp"));
        if (c.panelAndBoard) {
            EXPECT_EQ(loader.ctrl, unusual.ctrl);
            EXPECT_EQ(loader.digits[22], unusual.digits[22]);
            EXPECT_EQ(loader.digits[23].Shift, unusual.digits[23].Shift);
        }
    }
}

TEST(IniIo, ARefusedValueCostsOnlyThatSetting) {
    QTemporaryDir dir;
    In4File file;
    file.options.SeiriDateValue = QStringLiteral("2020/01/01");
    file.options.TsugiwaMode = 3;    // the list holds three items
    file.options.ChimeiFontBold = 2; // a check box holds 0 or 1
    file.options.SoundKeitouSet = QStringLiteral("after.wav");
    file.options.InfoOrderUse = 1;
    file.ctrl.PanelLeft = 999;
    file.form.BoardTop = 777;
    TestUtil::writeFile(settingsPath(dir), In4Format::write(file));

    FakeHost host;
    mdlIniIoEx::LoadIniFile(settingsPath(dir), host);
    ASSERT_EQ(host.errors.size(), 1);
    const QString box = host.errors[0];
    const QStringList lines = box.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3) << box.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("エラー Code:380"));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("ChimeiFontBold = 2"))) << box.toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("TsugiwaMode = 3"))) << box.toStdString();
    EXPECT_EQ(host.store.TsugiwaMode, Settings().TsugiwaMode);
    EXPECT_EQ(host.store.ChimeiFontBold, 0);
    EXPECT_EQ(host.store.InfoOrderUse, 1);
    EXPECT_EQ(host.store.SoundKeitouSet, QStringLiteral("after.wav"));
    EXPECT_EQ(host.store.SeiriDateValue, QStringLiteral("2020/01/01"));
    EXPECT_EQ(host.ctrl.PanelLeft, 999);
    EXPECT_EQ(host.form.BoardTop, 777);
    EXPECT_EQ(host.log.last(), QStringLiteral("SetProp"));
}

TEST(IniIo, AFailingStepIsReportedAndTheRestStillRuns) {
    QTemporaryDir dir;
    FakeHost saver;
    mdlIniIoEx::SaveIniFile(settingsPath(dir), saver);
    FakeHost loader;
    loader.failAt = QStringLiteral("SetCtrlDataInfo");
    mdlIniIoEx::LoadIniFile(settingsPath(dir), loader);
    ASSERT_EQ(loader.errors.size(), 1);
    EXPECT_TRUE(loader.errors[0].startsWith(
        QStringLiteral("エラー Code:380\r\n内容:refused SetCtrlDataInfo\r\n")));
    EXPECT_EQ(loader.log.mid(loader.log.size() - 3),
              QStringList({"SetCtrlDataInfo", "SetFormInfo", "SetProp"}));
}

TEST(IniIo, AFileThatFailedToLoadIsKeptBeforeItIsReplaced) {
    QTemporaryDir dir;
    const QString path = settingsPath(dir), bad = path + QStringLiteral(".bad");
    In4File file;
    file.options.ChimeiFontMode = 9;
    const QByteArray refused = In4Format::write(file);
    TestUtil::writeFile(path, refused);
    TestUtil::writeFile(bad, "an older copy");

    FakeHost host;
    mdlIniIoEx::LoadIniFile(path, host);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_EQ(TestUtil::readFile(path), refused) << "loading writes nothing";
    mdlIniIoEx::SaveIniFile(path, host);
    ASSERT_EQ(host.errors.size(), 1) << host.errors.last().toStdString();
    EXPECT_EQ(TestUtil::readFile(bad), refused) << "one copy, the newest";
    EXPECT_EQ(TestUtil::readFile(path), In4Format::write(In4File{}));

    // A file that loaded well is replaced without a copy.
    QFile::remove(bad);
    FakeHost good;
    mdlIniIoEx::LoadIniFile(path, good);
    mdlIniIoEx::SaveIniFile(path, good);
    EXPECT_TRUE(good.errors.isEmpty());
    EXPECT_FALSE(QFile::exists(bad));

    // Where the copy cannot be made, the old file is not replaced either.
    TestUtil::writeFile(path, refused);
    QDir(dir.path()).mkdir(QStringLiteral("K41.in4.bad"));
    FakeHost blocked;
    mdlIniIoEx::LoadIniFile(path, blocked);
    mdlIniIoEx::SaveIniFile(path, blocked);
    ASSERT_EQ(blocked.errors.size(), 2);
    EXPECT_EQ(TestUtil::readFile(path), refused);
}

TEST(IniIo, SaveReplacesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = settingsPath(dir);
    TestUtil::writeFile(path, QByteArray(5000, 'x'));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    FakeHost host;
    fillUnusual(host);
    mdlIniIoEx::SaveIniFile(path, host);
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_EQ(TestUtil::readFile(path),
              In4Format::write({host.store, host.ctrl, host.form, 24, host.digits}));
    // Owner, group and others; the "user" bits only repeat the owner's for the current user.
    EXPECT_EQ(QFile::permissions(path) & 0x7077,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"K41.in4"}); // no temporary left
}

// Root ignores file permissions, so under root the save runs in a child process that has
// given up its rights. The result comes back as the exit status: 0 = no error box, 70 = the
// box for error 70, 1 = any other box.
class ReadOnlyFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        if (geteuid() == 0 && chown(dir.path().toLocal8Bit().constData(), Nobody, Nobody) != 0)
            GTEST_SKIP() << "running as root without the right to hand the folder to nobody";
    }
    void TearDown() override {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void writeOld(QFile::Permissions permissions) {
        TestUtil::writeFile(path(), "old settings");
        QFile::setPermissions(path(), permissions);
        if (geteuid() == 0) ASSERT_EQ(chown(path().toLocal8Bit().constData(), Nobody, Nobody), 0);
    }
    void lockFolder() { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner); }
    QString path() const { return settingsPath(dir); }

    int save(FakeHost& host) {
        return TestUtil::asNobody([&] {
            mdlIniIoEx::SaveIniFile(path(), host);
            if (host.errors.isEmpty()) return 0;
            return host.errors[0].startsWith(QStringLiteral("エラー Code:70\r\n内容:")) ? 70 : 1;
        });
    }

    static constexpr uid_t Nobody = TestUtil::Nobody;
    QTemporaryDir dir;
};

TEST_F(ReadOnlyFolder, SaveReportsTheErrorAndKeepsTheOldFile) {
    writeOld(QFile::ReadOwner);
    lockFolder();
    FakeHost host;
    EXPECT_EQ(save(host), 70);
    EXPECT_EQ(TestUtil::readFile(path()), QByteArray("old settings"));
}

TEST_F(ReadOnlyFolder, SaveWithoutAnOldFileReportsTheError) {
    lockFolder();
    FakeHost host;
    EXPECT_EQ(save(host), 70);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ReadOnlyFolder, AWritableOldFileIsWrittenInPlace) {
    writeOld(QFile::ReadOwner | QFile::WriteOwner);
    lockFolder();
    FakeHost host;
    fillUnusual(host);
    EXPECT_EQ(save(host), 0);
    EXPECT_EQ(TestUtil::readFile(path()),
              In4Format::write({host.store, host.ctrl, host.form, 24, host.digits}));
}

TEST(IniIo, AGatheringFailureLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = settingsPath(dir);
    TestUtil::writeFile(path, "old settings");
    FakeHost host;
    host.failAt = QStringLiteral("GetFormInfo");
    mdlIniIoEx::SaveIniFile(path, host);
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_EQ(TestUtil::readFile(path), QByteArray("old settings"));
    host.failAt.clear();
    host.store.SoundPre1 = QString(70000, QLatin1Char('a')); // more than a 16-bit count holds
    mdlIniIoEx::SaveIniFile(path, host);
    ASSERT_EQ(host.errors.size(), 2);
    EXPECT_TRUE(host.errors[1].startsWith(QStringLiteral("エラー Code:6\r\n")));
    EXPECT_EQ(TestUtil::readFile(path), QByteArray("old settings"));
}

TEST(IniIo, AFolderInPlaceOfTheFileIsReported) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("K41.in4"));
    FakeHost host;
    mdlIniIoEx::LoadIniFile(settingsPath(dir), host);
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.log.isEmpty());
}
