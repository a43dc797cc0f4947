// One K41 a settings file: a second finds the lock held and brings the first to the front; a
// lock left by a K41 that was killed does not stop the next start.
#include "app/SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstance, ASecondOnTheSameSettingsBringsTheFirstToTheFront) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("K41.in4");
    SingleInstance first(settings);
    int raised = 0;
    first.raiseWindows = [&] { ++raised; };
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(QFile::exists(SingleInstance::lockPath(settings)));

    SingleInstance second(settings);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));

    // Another settings file is another K41's business.
    SingleInstance other(dir.filePath("K41.test.in4"));
    EXPECT_TRUE(other.acquire());
}

TEST(SingleInstance, ALockLeftByAKilledK41IsTakenOver) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("K41.in4");
    // A process that has ended: its id is in the lock as a killed K41 would have left it.
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    QFile lock(SingleInstance::lockPath(settings));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + "\nK41\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance next(settings);
    EXPECT_TRUE(next.acquire());
}
