// A copy of the program under another name is a program of its own: K41.test has its own
// settings file, model number, sound channels and message box title, all from the whole
// file name (nothing after a dot is cut). The test copies this test program to K41.test and
// runs the renamed-copy checks inside it.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"
#include "sound/MciInterpreter.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class RenamedCopy : public AppFixture {};

// Runs only inside the renamed copy (see below).
TEST_F(RenamedCopy, DISABLED_TakesItsWholeFileNameEverywhere) {
    ASSERT_EQ(AppInfo::exeName(), "K41.test");
    EXPECT_EQ(QFileInfo(AppInfo::settingsFilePath()).fileName(), "K41.test.in4");

    // The settings error box: a cut settings file.
    QString title;
    TestUtil::onNextModal([&](QWidget* w) {
        title = w->windowTitle();
        QTest::keyClick(w, Qt::Key_Return);
    });
    In4File file = sampleSettings();
    file.options.SoundReset = QStringLiteral(K41_SAMPLES_DIR "/sounds/click.wav");
    const QByteArray bytes = In4Format::write(file);
    TestUtil::writeFile(settingsPath(), bytes.left(bytes.size() - 3));
    start();
    EXPECT_EQ(title, "K41.test");
    stop();

    startWith(file);
    EXPECT_EQ(board().windowTitle(), "料金案内盤アプリケーション - 型番:K41.test");
    key(10);
    EXPECT_TRUE(MciInterpreter::instance().isOpen("K41.testS1"))
        << "a keypad key opens the reset sound on the copy's own channel";
    QString version;
    TestUtil::onNextModal([&](QWidget* dialog) {
        if (auto* box = dialog->findChild<QPlainTextEdit*>("dlg110Text"))
            version = box->toPlainText();
        dialog->findChild<QPushButton*>("dlg110Ok")->click();
    });
    click(panel().Command8);
    EXPECT_TRUE(version.startsWith("機種：K41.test\n")) << version.toStdString();
}

// Runs only inside a copy named "K41 bus" (see below).
TEST_F(RenamedCopy, DISABLED_BlanksInTheNameBecomeUnderscoresInTheChannels) {
    ASSERT_EQ(AppInfo::exeName(), "K41 bus");
    In4File file = sampleSettings();
    file.options.SoundReset = QStringLiteral(K41_SAMPLES_DIR "/sounds/click.wav");
    startWith(file);
    key(10);
    EXPECT_TRUE(MciInterpreter::instance().isOpen("K41_busS1"))
        << "a blank would end the alias inside the command string";
}

namespace {

// Runs one of the disabled RenamedCopy tests in a copy of this test program named `name`,
// with a configuration folder of its own, and expects it to pass.
void passesInACopyNamed(const QString& name, const QString& test) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(copy, {"--gtest_also_run_disabled_tests", "--gtest_filter=RenamedCopy." + test});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString out = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

} // namespace

TEST(RenamedProgram, ACopyNamedK41DotTestUsesItsWholeName) {
    passesInACopyNamed("K41.test", "DISABLED_TakesItsWholeFileNameEverywhere");
}

TEST(RenamedProgram, ACopyWithABlankInItsNameKeepsItsSoundChannelsWhole) {
    passesInACopyNamed("K41 bus", "DISABLED_BlanksInTheNameBecomeUnderscoresInTheChannels");
}
