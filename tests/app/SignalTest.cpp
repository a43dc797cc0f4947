// Ctrl+C, kill and a closed terminal end K41 once a sound has played, also while a
// synchronous sound holds the windows, and leave the settings file as it was.
#include "settings/In4File.h"
#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

TEST(Signals, EndK41PromptlyAfterASoundLeavingTheSettingsFile) {
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("K41.in4"));
    const QByteArray old = In4Format::write(In4File{});
    TestUtil::writeFile(settings, old);
    const QString sound = dir.filePath(QStringLiteral("long.wav"));
    SoundFiles::write(sound, SoundFiles::levelWave(0.2, 10000)); // outlasts the test's patience

    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        for (const char* mode : {"async", "sync"}) {
            SCOPED_TRACE(testing::Message() << "signal " << signal << ", " << mode << " sound");
            QProcess child;
            QElapsedTimer clock;
            clock.start();
            child.start(QStringLiteral(K41_SIGNAL_CHILD),
                        {settings, sound, QString::number(signal), QString::fromLatin1(mode)});
            ASSERT_TRUE(child.waitForFinished(30000));
            EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(child.exitCode(), 128 + signal) << child.readAllStandardError().toStdString();
            EXPECT_LT(clock.elapsed(), 8000); // the sound alone lasts 10 s
            EXPECT_EQ(TestUtil::readFile(settings), old);
        }
}
