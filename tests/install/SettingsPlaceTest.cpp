// Where a copy of K41 keeps its settings, told by the program itself (`--version`), and the
// first start of an installed copy. Each copy is named K41.test: its settings file takes the
// whole name.
#include "tests/common/TestUtil.h"
#include "tests/install/ProgramCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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
