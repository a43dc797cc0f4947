#include "sound/MciInterpreter.h"
#include "sound/MidiSynth.h"
#include "sound/NullAudioEngine.h"

#include "tests/sound/SoundFiles.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <new>

namespace {

// Records what the interpreter asks of the output; a voice plays for a set number of checks.
class RecordingEngine : public AudioEngine {
  public:
    QStringList calls;
    mutable int checksUntilDone = 0;

    int sampleRate() const override { return 8000; }
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override {
        if (failPlay) throw std::bad_alloc();
        calls << QStringLiteral("play %1 %2 frames")
                     .arg(voice)
                     .arg(SoundFiles::drain(*source).size() / 2);
        playing = voice;
    }
    bool failPlay = false;
    void stop(const QString& voice) override {
        calls << QStringLiteral("stop ") + voice;
        if (playing == voice) playing.clear();
    }
    bool isPlaying(const QString& voice) const override {
        if (voice != playing) return false;
        return checksUntilDone-- > 0;
    }
    bool stalled() const override { return stalledNow; }
    bool stalledNow = false;

  private:
    QString playing;
};

struct Interpreter : ::testing::Test {
    QTemporaryDir dir;
    RecordingEngine* engine = nullptr;
    MciInterpreter mci{[this] {
        auto e = std::make_unique<RecordingEngine>();
        engine = e.get();
        return e;
    }};
    QString wave;

    void SetUp() override {
        wave = dir.filePath("Chime.wav");
        SoundFiles::write(wave, SoundFiles::levelWave(0.5, 1000, 8000));
    }
    QString openWave(const QString& alias) {
        return QStringLiteral("open \"%1\" type waveaudio alias %2 wait").arg(wave, alias);
    }
};

} // namespace

TEST_F(Interpreter, OpensPlaysStopsAndClosesUnderAnAliasOfAnyCase) {
    ASSERT_EQ(mci.send(openWave("K41S1")), 0);
    EXPECT_TRUE(mci.isOpen("k41s1"));
    EXPECT_EQ(mci.send("play K41S1 from 0"), 0);
    EXPECT_EQ(mci.send("play k41s1 from 500"), 0);
    EXPECT_EQ(mci.send("stop K41s1"), 0);
    EXPECT_EQ(mci.send("close K41S1"), 0);
    EXPECT_FALSE(mci.isOpen("K41S1"));
    EXPECT_EQ(engine->calls, QStringList({"play k41s1 8000 frames", "play k41s1 4000 frames",
                                          "stop k41s1", "stop k41s1"}));
}

TEST_F(Interpreter, UnknownCommandsAndAliasesChangeNothing) {
    ASSERT_EQ(mci.send(openWave("K41S1")), 0);
    EXPECT_EQ(mci.send("eject K41S1"), MciInterpreter::UnrecognizedCommand);
    EXPECT_EQ(mci.send("play K41S1 sideways"), MciInterpreter::UnrecognizedKeyword);
    EXPECT_EQ(mci.send("play K41S9 from 0"), MciInterpreter::InvalidDeviceName);
    EXPECT_EQ(mci.send("stop K41S9"), MciInterpreter::InvalidDeviceName);
    EXPECT_EQ(mci.send("close K41S9"), MciInterpreter::InvalidDeviceName);
    EXPECT_EQ(mci.send("play K41S1 from 5000"), MciInterpreter::OutOfRange);
    EXPECT_TRUE(engine->calls.isEmpty());
    EXPECT_TRUE(mci.isOpen("K41S1"));
}

TEST_F(Interpreter, OpenFailsCleanlyAndKeepsTheFirstDeviceOfAnAlias) {
    ASSERT_EQ(mci.send(openWave("A")), 0);
    EXPECT_EQ(mci.send(openWave("a")), MciInterpreter::DuplicateAlias);

    SoundFiles::write(dir.filePath("text.wav"), "not sound");
    EXPECT_EQ(
        mci.send(
            QStringLiteral("open \"%1\" type waveaudio alias B").arg(dir.filePath("text.wav"))),
        MciInterpreter::InvalidFile);
    EXPECT_EQ(
        mci.send(
            QStringLiteral("open \"%1\" type waveaudio alias B").arg(dir.filePath("gone.wav"))),
        MciInterpreter::FileNotFound);
    EXPECT_EQ(mci.send(QStringLiteral("open \"%1\" type mpegvideo alias B").arg(wave)),
              MciInterpreter::CannotLoadDriver);
    EXPECT_FALSE(mci.isOpen("B"));
    EXPECT_EQ(mci.send("play B from 0 wait"), MciInterpreter::InvalidDeviceName);
}

TEST_F(Interpreter, FindsAWindowsPathWrittenInAnotherCase) {
    const QString stored = dir.path() + QStringLiteral("\\CHIME.WAV");
    EXPECT_EQ(mci.send(QStringLiteral("open \"%1\" type waveaudio alias S").arg(stored)), 0);
}

TEST_F(Interpreter, CloseAllClosesEveryDevice) {
    ASSERT_EQ(mci.send(openWave("A")), 0);
    ASSERT_EQ(mci.send(openWave("B")), 0);
    EXPECT_EQ(mci.send("close all"), 0);
    EXPECT_FALSE(mci.isOpen("A"));
    EXPECT_FALSE(mci.isOpen("B"));
}

TEST_F(Interpreter, PlayWithWaitReturnsWhenTheOutputHasConsumedTheSound) {
    ASSERT_EQ(mci.send(openWave("A")), 0);
    engine->checksUntilDone = 20; // the waiting loop checks every 5 ms or so
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(mci.send("play A from 0 wait"), 0);
    EXPECT_EQ(engine->checksUntilDone, -1);
    EXPECT_LT(clock.elapsed(), 1500); // well before the safety margin would end it
}

TEST_F(Interpreter, AStalledOutputEndsAWaitThatCouldLastHalfAnHour) {
    SoundFiles::write(dir.filePath("tune.mid"), SoundFiles::midiTune({60}, 300));
    if (mci.send(QStringLiteral("open \"%1\" alias T wait").arg(dir.filePath("tune.mid"))) != 0)
        GTEST_SKIP() << "no General MIDI SoundFont";
    engine->checksUntilDone = 1 << 30; // never played out
    QTimer::singleShot(100, [this] { engine->stalledNow = true; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(mci.send("play T from 0 wait"), 0);
    EXPECT_LT(clock.elapsed(), 10000); // the stall is noticed after 2 s, not half an hour
}

TEST_F(Interpreter, WithoutAnyOutputASoundStillLastsItsLength) {
    MciInterpreter silent([] { return std::make_unique<NullAudioEngine>(8000); });
    ASSERT_EQ(silent.send(openWave("A")), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(silent.send("play A from 0 wait"), 0);
    EXPECT_GE(clock.elapsed(), 950);
    EXPECT_LT(clock.elapsed(), 2500) << "ended by the sound, not by the safety margin";
    EXPECT_FALSE(silent.isPlaying("A"));
}

TEST_F(Interpreter, EveryPlayStartsFromTheFileAgain) {
    ASSERT_EQ(mci.send(openWave("A")), 0);
    EXPECT_EQ(mci.send("play A from 0"), 0);
    EXPECT_EQ(mci.send("play A from 0"), 0);
    EXPECT_EQ(mci.send("play A from 875"), 0);
    EXPECT_EQ(engine->calls,
              QStringList({"play a 8000 frames", "play a 8000 frames", "play a 1000 frames"}));
}

TEST_F(Interpreter, RunningOutOfMemoryFailsTheSoundNotTheProgram) {
    ASSERT_EQ(mci.send(openWave("A")), 0);
    engine->failPlay = true;
    EXPECT_EQ(mci.send("play A from 0 wait"), MciInterpreter::OutOfMemory);
    engine->failPlay = false;
    EXPECT_EQ(mci.send("play A from 0"), 0) << "the device is still usable";
    EXPECT_EQ(mci.send("close A"), 0);
}

// FluidSynth comes with a module loaded on the first tune: without it a tune cannot be
// opened while Wave sounds play on; once it is there, the next tune plays through it.
TEST_F(Interpreter, TunesNeedTheMidiModuleAndWavesDoNot) {
    const QByteArray built = qgetenv("K41_MODULE_DIR");
    ASSERT_FALSE(built.isEmpty()) << "the tests are given the build's module folder";
    SoundFiles::write(dir.filePath("tune.mid"), SoundFiles::midiTune({60}, 300));
    const QString openTune = QStringLiteral("open \"%1\" alias T").arg(dir.filePath("tune.mid"));

    qunsetenv("K41_MODULE_DIR");
    EXPECT_EQ(MidiSynth::instance(), nullptr);
    EXPECT_NE(mci.send(openTune), 0);
    EXPECT_EQ(mci.send(openWave("W")), 0);
    EXPECT_EQ(mci.send(QStringLiteral("play W")), 0);

    qputenv("K41_MODULE_DIR", built);
    MidiSynth* synth = MidiSynth::instance();
    ASSERT_NE(synth, nullptr);
    if (!synth->ready()) GTEST_SKIP() << "no General MIDI SoundFont";
    ASSERT_EQ(mci.send(openTune), 0);
    ASSERT_EQ(mci.send(QStringLiteral("play T")), 0);
    EXPECT_TRUE(engine->calls.last().startsWith("play t "))
        << engine->calls.join('|').toStdString();
    EXPECT_FALSE(engine->calls.last().startsWith("play t 0 ")) << "the tune made sound";
}
