// Where a copy of K41 keeps its settings, told by the program itself (`--version`), and the
// first start of an installed copy. Each copy is named K41.test: its settings file takes the
// whole name.
#include "tests/common/TestUtil.h"
#include "tests/install/ProgramCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsPlaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        // The unprivileged runs must reach the copies and write their configuration folder.
        QFile::setPermissions(tmp.path(),
                              QFile::permissions(tmp.path()) | QFile::ExeOther | QFile::ReadOther);
        QDir().mkpath(home());
        QFile::setPermissions(home(), QFileDevice::Permissions(0x7777));
    }
    QString home() const { return tmp.filePath("home"); }
    QString configFile(const QString& name) const { return home() + "/.config/K41/" + name; }
    // The settings file the program names in its --version text.
    static QString settingsLine(const ProgramCopy::Run& run) {
        const QString label = QStringLiteral("設定ファイル (settings file): ");
        for (const QString& line : run.out.split('\n'))
            if (line.startsWith(label)) return line.mid(label.size());
        return {};
    }
    QStringList entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    // An installed tree: bin/K41.test with the example settings in its data folder.
    QString installTree() const {
        const QString exe = tmp.filePath("usr/bin/K41.test");
        ProgramCopy::place(exe);
        const QString example =
            QDir::cleanPath(tmp.filePath("usr/bin/" K41_DATA_FROM_BIN "/K41.in4"));
        QDir().mkpath(QFileInfo(example).path());
        EXPECT_TRUE(QFile::copy(K41_EXAMPLE, example));
        return exe;
    }

    QTemporaryDir tmp;
};

} // namespace

TEST_F(SettingsPlaceTest, ACopyInAFolderThatTakesFilesKeepsItsSettingsBesideIt) {
    const QString exe = tmp.filePath("portable/K41.test");
    ProgramCopy::place(exe);
    const ProgramCopy::Run run = ProgramCopy::run(exe, {"--version"}, home());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("K41.test 4.0.0\n")) << run.out.toStdString();
    EXPECT_EQ(settingsLine(run), tmp.filePath("portable/K41.test.in4"));
    EXPECT_EQ(entries(tmp.filePath("portable")), QStringList{"K41.test"})
        << "--version writes nothing";
    EXPECT_TRUE(entries(home()).isEmpty());
}

TEST_F(SettingsPlaceTest, ACopyInAReadOnlyFolderKeepsItsSettingsInTheConfigFolder) {
    const QString exe = tmp.filePath("readonly/K41.test");
    ProgramCopy::place(exe);
    ASSERT_TRUE(QFile::setPermissions(tmp.filePath("readonly"),
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    const ProgramCopy::Run run = ProgramCopy::run(exe, {"--version"}, home(), true);
    QFile::setPermissions(tmp.filePath("readonly"), QFileDevice::Permissions(0x7755));
    ASSERT_EQ(run.exitCode, 0) << "setpriv must be installed to run the copy as nobody";
    EXPECT_EQ(settingsLine(run), configFile("K41.test.in4"));
}

// A copy in a folder its user may not write, whose configuration folder cannot be made either
// (a locked-down machine): the settings beside it are read and shown, a box at start says that
// changes cannot be saved and names the folder K41 tried, and a confirmed quit leaves every
// file as it was. A settings file that may itself be written keeps the changes, unannounced.
TEST_F(SettingsPlaceTest, ACopyWithNowhereToSaveReadsTheSettingsBesideItAndSaysSo) {
    const QString folder = tmp.filePath("readonly");
    const QString exe = folder + "/K41.test";
    ProgramCopy::place(exe, K41_WATCHED);
    const QString settings = folder + "/K41.test.in4";
    const QByteArray before = ProgramCopy::writeBoardSettings(settings, tmp.path());
    ASSERT_FALSE(before.isEmpty());
    // Runs the copy as nobody with the folder, the home and the settings file as given, and
    // returns what it showed; the copy confirms a quit once started.
    const auto runLockedDown = [&](QFileDevice::Permissions settingsMode) {
        const QFileDevice::Permissions readOnly = QFileDevice::Permissions(0x5555);
        EXPECT_TRUE(QFile::setPermissions(settings, settingsMode));
        EXPECT_TRUE(QFile::setPermissions(folder, readOnly));
        EXPECT_TRUE(QFile::setPermissions(home(), readOnly));
        const ProgramCopy::Run run = ProgramCopy::run(exe, {"--quit"}, home(), true);
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
        QFile::setPermissions(home(), QFileDevice::Permissions(0x7777));
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
        EXPECT_EQ(run.out.split('\n')
                      .filter(QRegularExpression("^shown: 料金案内盤アプリケーション.* at 10,20$"))
                      .size(),
                  1)
            << "the board at the file's position (150, 300 twips)\n"
            << run.out.toStdString();
        EXPECT_EQ(TestUtil::readFile(settings), before);
        EXPECT_EQ(entries(folder), QStringList({"K41.test", "K41.test.in4"}));
        EXPECT_TRUE(entries(home()).isEmpty());
        return run.out.split('\n').filter("box: 設定の変更は保存できません");
    };

    const QStringList notices = runLockedDown(QFileDevice::Permissions(0x4444));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(home() + "/.config/K41")) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains(settings)) << notices[0].toStdString();

    EXPECT_TRUE(runLockedDown(QFileDevice::Permissions(0x6666)).isEmpty())
        << "a file that may be written is saved in place";
}

TEST_F(SettingsPlaceTest, AnInstalledCopyUsesTheConfigFolderEvenWhereItCouldWrite) {
    const QString exe = installTree();
    const ProgramCopy::Run run = ProgramCopy::run(exe, {"--help"}, home());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("--version")) << run.out.toStdString();
    EXPECT_EQ(settingsLine(run), configFile("K41.test.in4"));
    EXPECT_TRUE(entries(home()).isEmpty()) << "--help writes nothing";
}

TEST_F(SettingsPlaceTest, TheFirstStartOfAnInstalledCopyCopiesTheExampleSettings) {
    const QString exe = installTree();
    QProcess k41;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home());
    env.insert("XDG_CONFIG_HOME", home() + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    k41.setProcessEnvironment(env);
    k41.start(exe, {});
    ASSERT_TRUE(k41.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(configFile("K41.test.in4")) && waited.elapsed() < 30000 &&
           !k41.waitForFinished(50)) {
    }
    k41.waitForFinished(200); // the copy is renamed into place whole; a cut copy would show now
    k41.kill();
    k41.waitForFinished();
    EXPECT_EQ(TestUtil::readFile(configFile("K41.test.in4")), TestUtil::readFile(K41_EXAMPLE));
    // Beside it only the lock of the K41 killed here (the next start takes it over).
    EXPECT_EQ(entries(home() + "/.config/K41"), QStringList({"K41.test.in4", "K41.test.in4.lock"}));
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("usr/bin/K41.test.in4")));
}
