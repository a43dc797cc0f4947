// k41tool record, run as a user runs it, and its files opened again as a viewer opens them:
// the streams, the length the ride takes, speech where the announcements are and silence
// between them, and pictures equal to the board K41 shows at that moment.
#include "tests/record/MediaProbe.h"

#include "app/Form1.h"
#include "app/Startup.h"
#include "panel/frmCtl.h"
#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"
#include "record/VideoWriter.h"
#include "settings/In4File.h"
#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int LastSection = 10; // route 1 has 12 stops: the ride covers stops 10 to 12

class RecordTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString settingsPath;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString tape = dir.filePath("tape");
        QDir().mkpath(tape);
        // Short announcements: a welcome that keeps the stop, then one per stop that steps.
        QString lines = QStringLiteral("ようこそ,0,0\r\n");
        for (int i = 0; i < 12; ++i)
            lines += QStringLiteral("つぎ,1,0\r\n");
        TestUtil::writeFile(tape + "/1tp.csv", Codec932::encode(lines));
        In4File file;
        file.options.FareDataDir = QStringLiteral(K41_SAMPLES_DIR "/fare");
        file.options.TapeDataDir = tape;
        file.options.TsugiwaMode = 1;
        settingsPath = dir.filePath("K41.in4");
        TestUtil::writeFile(settingsPath, In4Format::write(file));
    }

    // Runs k41tool record; returns its exit status, its messages in `err`.
    int record(const QStringList& options, const QString& out, QString* err = nullptr) {
        QProcess tool;
        tool.setProgram(QStringLiteral(K41TOOL_PATH));
        tool.setArguments(QStringList{"record", "--settings", settingsPath, "--route", "1"} +
                          options + QStringList{out});
        tool.start();
        EXPECT_TRUE(tool.waitForFinished(300000));
        if (err) *err = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitCode();
    }
};

} // namespace

TEST_F(RecordTest, AWebmRideHasPictureAndSoundInStepWithTheBoard) {
    const QString out = dir.filePath("ride.webm");
    QString err;
    ASSERT_EQ(record({"--section", QString::number(LastSection), "--seconds-per-stop", "2", "--fps",
                      "10", "--lossless"},
                     out, &err),
              0)
        << err.toStdString();
    MediaProbe probe;
    ASSERT_TRUE(probe.open(out, 80)) << probe.error.toStdString();
    EXPECT_EQ(probe.videoStreams, 1);
    EXPECT_EQ(probe.audioStreams, 1);
    EXPECT_EQ(probe.videoCodec, "vp9");
    EXPECT_EQ(probe.audioCodec, "opus");

    // The lamp test (3 s), then every 2 s a press: the welcome at 5 s, a step to stop 11 at
    // 7 s, to the last stop at 9 s, which stays 2 s.
    EXPECT_EQ(probe.frames, 110);
    EXPECT_NEAR(probe.durationSeconds, 11.0, 0.1);
    for (double spoken : {5.0, 7.0, 9.0})
        EXPECT_GT(probe.loudest(spoken, spoken + 0.6), 0.02) << spoken;
    for (double quiet : {3.1, 6.2, 8.2})
        EXPECT_LT(probe.loudest(quiet, quiet + 0.7), 0.002) << quiet;

    // At 8 s the board shows stop 11, drawn exactly as K41 draws it.
    Startup k41(settingsPath);
    k41.run();
    frmCtl& panel = *k41.panel;
    panel.CommandButton1_Click(10);
    panel.CommandButton1_Click(1);
    panel.CommandButton1_Click(11);
    panel.CommandButton1_Click(1);
    panel.CommandButton1_Click(0);
    panel.Command1_Click(1);
    panel.Command2_Click(1);
    ASSERT_EQ(panel.routeState().CurStop, LastSection);
    const QImage board = k41.board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(probe.frame.size(), board.size());
    int differing = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            differing += probe.frame.pixel(x, y) != board.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(RecordTest, AFolderHoldsEveryFrameAtTheScaleWithTheKeyColourAndTheWholeSound) {
    const QString out = dir.filePath("frames");
    QString err;
    ASSERT_EQ(record({"--section", "11", "--seconds-per-stop", "1", "--fps", "4", "--scale", "2",
                      "--key-colour", "00ff00"},
                     out, &err),
              0)
        << err.toStdString();
    // Lamp test 3 s, the welcome at 4 s, the last stop at 5 s, kept 1 s: 6 s of 4 frames.
    const QStringList frames = QDir(out).entryList({"frame*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(frames.size(), 24);
    const QImage first(QDir(out).filePath(frames.first()));
    EXPECT_EQ(first.size(), QSize(1086, 666));
    QFile wave(QDir(out).filePath("sound.wav"));
    ASSERT_TRUE(wave.open(QIODevice::ReadOnly));
    const QByteArray header = wave.read(44);
    EXPECT_TRUE(header.startsWith("RIFF"));
    EXPECT_EQ(wave.size() - 44, 6 * 48000 * 4);
}

TEST_F(RecordTest, Mp4CarriesH264AndAacAndAGifOnlyPictures) {
    const QStringList ride{"--section", "11", "--seconds-per-stop", "1", "--fps", "5"};
    QString err;
    const QString mp4 = dir.filePath("ride.mp4");
    ASSERT_EQ(record(ride, mp4, &err), 0) << err.toStdString();
    MediaProbe video;
    ASSERT_TRUE(video.open(mp4)) << video.error.toStdString();
    EXPECT_EQ(video.videoCodec, "h264");
    EXPECT_EQ(video.audioCodec, "aac");
    EXPECT_EQ(video.frames, 30); // 6 s
    EXPECT_GT(video.loudest(4.0, 4.6), 0.02) << "the welcome, spoken at 4 s";

    const QString gif = dir.filePath("ride.gif");
    ASSERT_EQ(record(ride, gif, &err), 0) << err.toStdString();
    MediaProbe pictures;
    ASSERT_TRUE(pictures.open(gif)) << pictures.error.toStdString();
    EXPECT_EQ(pictures.videoStreams, 1);
    EXPECT_EQ(pictures.audioStreams, 0);
    EXPECT_EQ(pictures.videoCodec, "gif");
}

TEST_F(RecordTest, UnknownKindsAndMissingRoutesFailNamingWhatIsWrong) {
    QString err;
    EXPECT_EQ(record({}, dir.filePath("ride.avi"), &err), 1);
    EXPECT_TRUE(err.contains("ride.avi")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("ride.avi")));
    EXPECT_EQ(record({"--fps", "0"}, dir.filePath("x.webm"), &err), 2);
    QProcess tool;
    tool.start(QStringLiteral(K41TOOL_PATH),
               {"record", "--settings", settingsPath, "--route", "99", dir.filePath("x.webm")});
    ASSERT_TRUE(tool.waitForFinished(120000));
    EXPECT_EQ(tool.exitCode(), 1);
}

// The encoders are a module loaded on the first video: without it, or with a damaged one, a
// video cannot be made and the error names the file, while a folder of pictures still can;
// once the module is there, the next try succeeds without a restart.
TEST(VideoModule, AMissingOrDamagedModuleIsNamedAndOnlyVideosNeedIt) {
    const QByteArray built = qgetenv("K41_MODULE_DIR");
    ASSERT_FALSE(built.isEmpty()) << "the tests are given the build's module folder";
    QTemporaryDir dir;
    VideoWriter::Options options;
    options.size = QSize(32, 16);
    options.path = dir.filePath("ride.webm");
    const auto failure = [&]() -> K41Error {
        try {
            (void)VideoWriter::open(options);
        } catch (const K41Error& e) {
            return e;
        }
        return K41Error(0, {});
    };

    qunsetenv("K41_MODULE_DIR");
    K41Error missing = failure();
    EXPECT_EQ(missing.number(), K41Error::FileNotFound);
    EXPECT_TRUE(missing.description().contains("libk41video.so")) << missing.what();
    EXPECT_FALSE(QFile::exists(options.path));

    TestUtil::writeFile(dir.filePath("libk41video.so"), QByteArray(4096, 'x'));
    qputenv("K41_MODULE_DIR", QFile::encodeName(dir.path()));
    K41Error damaged = failure();
    EXPECT_EQ(damaged.number(), 48); // error in loading a library
    EXPECT_TRUE(damaged.description().contains(dir.filePath("libk41video.so"))) << damaged.what();

    options.path = dir.filePath("pictures");
    ASSERT_TRUE(QDir().mkpath(options.path));
    auto folder = VideoWriter::open(options);
    folder->addFrame(QImage(options.size, QImage::Format_RGB32));
    folder->finish();
    EXPECT_FALSE(QDir(options.path).entryList({"*.png"}).isEmpty());

    qputenv("K41_MODULE_DIR", built);
    options.path = dir.filePath("ride.webm");
    auto video = VideoWriter::open(options);
    video->addFrame(QImage(options.size, QImage::Format_RGB32));
    video->finish();
    EXPECT_GT(QFileInfo(options.path).size(), 0);
}
