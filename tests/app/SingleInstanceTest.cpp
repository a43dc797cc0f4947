// One K41 a settings file: a second finds the lock held and brings the first to the front; a
// lock left by a K41 that ended does not stop the next start, not even when a child forked by
// that K41 lives on with all it inherited; and a first K41 that never answers cannot make a
// second one wait for ever.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr int Deadline = 60000; // ms: far beyond what a loaded machine needs

// What k41_single_child prints when it starts as another K41 on `settings` would, while this
// process runs its event loop (and so answers as a first K41).
QByteArray callFromAnotherProcess(const QString& settings) {
    QProcess caller;
    caller.start(QStringLiteral(K41_SINGLE_CHILD), {QStringLiteral("call"), settings});
    if (!QTest::qWaitFor([&] { return caller.state() == QProcess::NotRunning; }, Deadline))
        caller.kill();
    return caller.readAllStandardOutput();
}

} // namespace

TEST(SingleInstance, ASecondOnTheSameSettingsBringsTheFirstToTheFront) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("K41.in4");
    {
        SingleInstance first(settings);
        int raised = 0;
        first.raiseWindows = [&] { ++raised; };
        ASSERT_TRUE(first.acquire());

        EXPECT_EQ(callFromAnotherProcess(settings), "answered\n");
        EXPECT_EQ(raised, 1);

        // Another settings file is another K41's business.
        SingleInstance other(dir.filePath("K41.test.in4"));
        EXPECT_TRUE(other.acquire());

        QFile lock(SingleInstance::lockPath(settings));
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly)); // (closing it drops the lock: read last)
        EXPECT_EQ(lock.readLine(), QByteArray::number(QCoreApplication::applicationPid()) + '\n')
            << "the lock names the K41 holding it";
    }
    EXPECT_FALSE(QFile::exists(SingleInstance::lockPath(settings))) << "given up at the end";
}

TEST(SingleInstance, AChildForkedByAnEndedFirstKeepsNeitherTheLockNorTheCalls) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("K41.in4");
    // The forked child waits for the end of this pipe, which only this process can write.
    int lifeline[2];
    ASSERT_EQ(pipe2(lifeline, O_CLOEXEC), 0);
    ASSERT_EQ(fcntl(lifeline[0], F_SETFD, 0), 0);
    QProcess holder;
    holder.start(QStringLiteral(K41_SINGLE_CHILD),
                 {QStringLiteral("hold"), settings, QString::number(lifeline[0])});
    close(lifeline[0]);
    QByteArray held;
    while (!held.endsWith('\n') && holder.waitForReadyRead(Deadline))
        held += holder.readAll();
    ASSERT_TRUE(held.startsWith("held ")) << held.toStdString();
    const pid_t child = pid_t(held.mid(5).trimmed().toLongLong());

    // A first that never answers: a second is refused, told which process holds the lock, and
    // waits only its bounded time, also once unanswered calls have filled the socket's backlog.
    for (int call = 0; call < 12; ++call) {
        SingleInstance second(settings, std::chrono::milliseconds(20));
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.firstAnswered());
        EXPECT_EQ(second.firstPid(), holder.processId());
    }

    // The first is killed; its child lives on with the lock's file and the listening socket.
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(Deadline));
    ASSERT_EQ(kill(child, 0), 0) << "the forked child still runs";
    SingleInstance next(settings);
    int raised = 0;
    next.raiseWindows = [&] { ++raised; };
    EXPECT_TRUE(next.acquire());
    EXPECT_EQ(callFromAnotherProcess(settings), "answered\n") << "calls reach the new first";
    EXPECT_EQ(raised, 1);
    close(lifeline[1]); // the child ends
}
