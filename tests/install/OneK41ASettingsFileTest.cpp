// Two K41 on one settings file, each a process of its own: the second says so in a box and ends
// without touching the file while the first runs on and comes to the front; a K41 killed
// outright leaves its lock behind, and the next start takes it over; a first that hangs is named
// in the second's box instead of waited for.
#include "tests/common/TestUtil.h"
#include "tests/install/ProgramCopy.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int Deadline = 60000; // ms: far beyond what a loaded machine needs

// Reads what `process` prints until a line after the first `from` characters starts with
// `start`, at most Deadline.
bool printsLine(QProcess& process, QString& out, const QString& start, qsizetype from = 0) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < Deadline) {
        out += QString::fromUtf8(process.readAllStandardOutput());
        if (('\n' + out).indexOf('\n' + start, from) >= 0) return true;
        if (process.state() == QProcess::NotRunning) return false;
        process.waitForReadyRead(100);
    }
    return false;
}

} // namespace

TEST(OneK41ASettingsFile, ASecondEndsAtOnceAndAKilledOnesLockIsTakenOver) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString exe = tmp.filePath("bin/K41.test");
    ProgramCopy::place(exe, K41_WATCHED);
    const QString settings = tmp.filePath("bin/K41.test.in4");
    const QByteArray before = ProgramCopy::writeBoardSettings(settings, tmp.path());
    ASSERT_FALSE(before.isEmpty());
    const QString home = tmp.filePath("home");

    QProcess first;
    QString firstOut;
    ProgramCopy::start(first, exe, {}, home);
    // Started once the board, shown last, is the active window.
    ASSERT_TRUE(printsLine(first, firstOut, "active: 料金案内盤")) << firstOut.toStdString();
    const qsizetype firstStarted = firstOut.size();

    QProcess second;
    ProgramCopy::start(second, exe, {}, home);
    ASSERT_TRUE(second.waitForFinished(Deadline));
    const QString secondOut = QString::fromUtf8(second.readAllStandardOutput());
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 1);
    const QStringList boxes = secondOut.split('\n').filter(QStringLiteral("box: "));
    ASSERT_EQ(boxes.size(), 1) << secondOut.toStdString();
    EXPECT_TRUE(boxes[0].contains("K41.test はこの設定ファイルで既に動いています"));
    EXPECT_TRUE(boxes[0].contains(settings)) << boxes[0].toStdString();
    EXPECT_FALSE(secondOut.contains("shown: ")) << "the second shows no window of its own";
    EXPECT_TRUE(printsLine(first, firstOut, "active: 集中操作盤", firstStarted))
        << "the first brings its windows to the front\n"
        << firstOut.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(TestUtil::readFile(settings), before);

    first.kill(); // SIGKILL: no chance to remove its lock
    ASSERT_TRUE(first.waitForFinished(Deadline));
    ASSERT_TRUE(QFileInfo::exists(settings + ".lock"));

    QProcess next;
    ProgramCopy::start(next, exe, {"--quit"}, home);
    ASSERT_TRUE(next.waitForFinished(Deadline));
    const QString nextOut = QString::fromUtf8(next.readAllStandardOutput());
    EXPECT_EQ(next.exitCode(), 0) << nextOut.toStdString();
    EXPECT_TRUE(nextOut.contains("shown: 集中操作盤")) << nextOut.toStdString();
    EXPECT_FALSE(nextOut.contains("既に動いています")) << nextOut.toStdString();
    EXPECT_FALSE(QFileInfo::exists(settings + ".lock")) << "a confirmed quit gives the lock up";
    EXPECT_EQ(TestUtil::readFile(settings), before) << "saved unchanged: nothing was moved";
}

TEST(OneK41ASettingsFile, ASecondFacingAFirstThatDoesNotAnswerSaysSoAndEnds) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString exe = tmp.filePath("bin/K41.test");
    ProgramCopy::place(exe, K41_WATCHED);
    const QString settings = tmp.filePath("bin/K41.test.in4");
    // A first that holds the lock and never runs its event loop: a hung K41.
    QProcess hung;
    hung.start(QStringLiteral(K41_SINGLE_CHILD), {QStringLiteral("hold"), settings});
    ASSERT_TRUE(hung.waitForReadyRead(Deadline));
    ASSERT_TRUE(hung.readAllStandardOutput().startsWith("held "));

    QProcess second;
    ProgramCopy::start(second, exe, {}, tmp.filePath("home"));
    ASSERT_TRUE(second.waitForFinished(Deadline));
    const QString out = QString::fromUtf8(second.readAllStandardOutput());
    EXPECT_EQ(second.exitCode(), 1);
    const QStringList boxes = out.split('\n').filter(QStringLiteral("box: "));
    ASSERT_EQ(boxes.size(), 1) << out.toStdString();
    EXPECT_TRUE(boxes[0].contains("応答がありません")) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(QString::number(hung.processId()))) << "names the hung one";
    EXPECT_FALSE(out.contains("shown: ")) << out.toStdString();
    hung.kill();
    hung.waitForFinished(Deadline);
}
