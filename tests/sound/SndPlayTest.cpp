#include "sound/mdlSndAPI.h"

#include "platform/core/AppInfo.h"
#include "sound/MciInterpreter.h"
#include "sound/MidiSynth.h"
#include "tests/sound/SoundFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using mdlSndAPI::SndCloseAll;
using mdlSndAPI::SndPlay;

namespace {

// Whether the player has a General MIDI SoundFont, loaded as K41 loads it.
bool midiFont() {
    MidiSynth* synth = MidiSynth::instance();
    return synth && synth->ready();
}

struct Player : ::testing::Test {
    QTemporaryDir dir;
    QString longWave; // plays for the length of any test

    void SetUp() override {
        longWave = dir.filePath("long.wav");
        SoundFiles::write(longWave, SoundFiles::levelWave(0.1, 5000, 8000));
    }
    void TearDown() override { SndCloseAll(); }

    static bool open(const char* channel) {
        return MciInterpreter::instance().isOpen(AppInfo::exeName() + channel);
    }
    static bool playing(const char* channel) {
        return MciInterpreter::instance().isPlaying(AppInfo::exeName() + channel);
    }
    QString file(const QString& name, const QByteArray& bytes) {
        SoundFiles::write(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
};

} // namespace

TEST_F(Player, ChoosesTheDeviceByTheLastThreeCharactersInAnyCase) {
    SndPlay(file("a.WaV", SoundFiles::levelWave(0.1, 500)), "S1", 0, 0);
    EXPECT_TRUE(playing("S1"));
    if (midiFont()) {
        SndPlay(file("b.mId", SoundFiles::midiTune({60}, 400)), "S2", 0, 0);
        EXPECT_TRUE(playing("S2"));
    }
}

TEST_F(Player, OtherEndingsCloseTheChannelAndPlayNothing) {
    const QByteArray wave = SoundFiles::levelWave(0.1, 500);
    for (const QString& name : {QStringLiteral("c.midi"), QStringLiteral("c.wav1"),
                                QStringLiteral("c.wav.bak"), QStringLiteral("c.mp3")}) {
        SndPlay(longWave, "S1", 0, 0);
        ASSERT_TRUE(playing("S1"));
        SndPlay(file(name, wave), "S1", 0, 0);
        EXPECT_FALSE(open("S1")) << name.toStdString();
    }
}

TEST_F(Player, EmptyOrMissingPathLeavesTheChannelPlaying) {
    SndPlay(longWave, "S1", 0, 0);
    SndPlay(QString(), "S1", 0, 0);
    SndPlay(dir.filePath("missing.wav"), "S1", -1, 0);
    SndPlay(dir.path(), "S1", 0, 0); // a folder is not a sound file
    EXPECT_TRUE(playing("S1"));
}

TEST_F(Player, FindsFilesCopiedFromWindowsWhateverTheirCase) {
    file("Sounds/Chime.wav", SoundFiles::levelWave(0.1, 500));
    SndPlay(dir.path() + "\\SOUNDS\\CHIME.WAV", "S3", 0, 0);
    EXPECT_TRUE(playing("S3"));
}

TEST_F(Player, ChannelsAreIndependentAndCloseAllEndsThemAll) {
    SndPlay(longWave, "S1", 0, 0);
    SndPlay(longWave, "S2", 0, 0);
    SndPlay(file("other.wav", SoundFiles::levelWave(0.1, 500)), "S2", 0, 0);
    EXPECT_TRUE(playing("S1"));
    EXPECT_TRUE(playing("S2"));
    SndCloseAll();
    for (const char* channel : {"S1", "S2", "S3", "S4"})
        EXPECT_FALSE(open(channel)) << channel;
}

TEST_F(Player, SynchronousPlayReturnsAfterTheSoundAndThePause) {
    const QString wave = file("short.wav", SoundFiles::levelWave(0.1, 300));
    QElapsedTimer clock;
    clock.start();
    SndPlay(wave, "S2", -1, 0);
    const qint64 plain = clock.elapsed();
    EXPECT_GE(plain, 300);
    EXPECT_LT(plain, 1500);
    EXPECT_FALSE(playing("S2"));

    clock.restart();
    SndPlay(wave, "S2", 1, 200);
    EXPECT_GE(clock.elapsed(), 500);

    // A negative pause is no pause, not a wait of weeks.
    clock.restart();
    SndPlay(wave, "S2", 1, -1);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(Player, RefusedFilesPlayNothingAndNeverBlock) {
    const QString text = file("notes.wav", "Chime goes here.\n");
    const QString midi = file("broken.mid", QByteArray("MThd") + QByteArray(40, '\xff'));
    // A synchronous play waits with the event loop running; a refused file must not wait at
    // all, so a zero timer queued before has not run when the calls return.
    bool eventLoopRan = false;
    QTimer::singleShot(0, [&] { eventLoopRan = true; });
    SndPlay(text, "S2", -1, 0);
    SndPlay(midi, "S3", -1, 0);
    EXPECT_FALSE(eventLoopRan);
    EXPECT_FALSE(open("S2"));
    EXPECT_FALSE(open("S3"));
}

TEST_F(Player, ALongTuneStartsWithoutHoldingTheWindows) {
    if (!midiFont()) GTEST_SKIP() << "no General MIDI SoundFont";
    const QString tune = file("long.mid", SoundFiles::longTune(240));
    // Nothing makes the call wait: a zero timer queued before it has not run when it returns,
    // since no event loop ran inside.
    bool eventLoopRan = false;
    QTimer::singleShot(0, [&] { eventLoopRan = true; });
    SndPlay(tune, "S3", 0, 0);
    EXPECT_FALSE(eventLoopRan);
    EXPECT_TRUE(playing("S3"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(eventLoopRan);
}

TEST_F(Player, ASynchronousTuneReturnsAfterItsRealEnd) {
    if (!midiFont()) GTEST_SKIP() << "no General MIDI SoundFont";
    // 0.9 s of notes, then their release: the length is known only by playing it.
    const QString tune = file("short.mid", SoundFiles::midiTune({60, 62, 64}, 300));
    QElapsedTimer clock;
    clock.start();
    SndPlay(tune, "S2", -1, 0);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 5000) << "not the safety margin of an unknown length";
    EXPECT_FALSE(playing("S2"));
}
