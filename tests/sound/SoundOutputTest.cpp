// What the sound player really sends to the output, read back from SDL's disk driver: raw
// stereo float frames written at the pace of a real device.
#include "sound/mdlSndAPI.h"

#include "platform/core/AppInfo.h"
#include "platform/core/HeldWait.h"
#include "sound/MciInterpreter.h"
#include "sound/MidiSynth.h"
#include "sound/SdlAudioEngine.h"
#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using mdlSndAPI::SndCloseAll;
using mdlSndAPI::SndPlay;

namespace {

// Whether the player has a General MIDI SoundFont, loaded as K41 loads it.
bool midiFont() {
    MidiSynth* synth = MidiSynth::instance();
    return synth && synth->ready();
}

QTemporaryDir* outputDir = nullptr;

struct Output : ::testing::Test {
    QTemporaryDir dir;
    qint64 start = 0;
    int rate = 0;

    static void SetUpTestSuite() {
        outputDir = new QTemporaryDir;
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outputDir->filePath("out.raw")));
    }
    static void TearDownTestSuite() {
        SndCloseAll();
        delete outputDir;
        outputDir = nullptr;
    }

    void SetUp() override {
        auto* sdl = dynamic_cast<SdlAudioEngine*>(&MciInterpreter::instance().engine());
        ASSERT_TRUE(sdl);
        ASSERT_EQ(sdl->driverName(), "disk");
        rate = sdl->sampleRate();
        start = outputSize();
    }
    void TearDown() override { SndCloseAll(); }

    static qint64 outputSize() {
        const qint64 size = QFile(outputDir->filePath("out.raw")).size();
        return size - size % qint64(2 * sizeof(float));
    }

    // Left-channel samples written since the test began, after letting `ms` more pass.
    std::vector<float> leftAfter(int ms) {
        HeldWait::forMs(ms);
        QFile f(outputDir->filePath("out.raw"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        f.seek(start);
        const QByteArray bytes = f.read(outputSize() - start);
        std::vector<float> left(std::size_t(bytes.size()) / (2 * sizeof(float)));
        for (std::size_t i = 0; i < left.size(); ++i)
            std::memcpy(&left[i], bytes.constData() + i * 2 * sizeof(float), sizeof(float));
        return left;
    }

    // Frames written so far, as a position in the output.
    std::size_t framesWritten() const { return std::size_t((outputSize() - start) / 8); }

    // How long, in ms, the output stayed within 0.02 of `level`.
    double msAt(const std::vector<float>& left, float level) const {
        const auto n = std::count_if(left.begin(), left.end(),
                                     [level](float s) { return std::abs(s - level) < 0.02f; });
        return 1000.0 * double(n) / rate;
    }

    QString file(const QString& name, const QByteArray& bytes) {
        SoundFiles::write(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
};

} // namespace

TEST_F(Output, ChannelsPlayAtTheSameTime) {
    // Different rates and layouts on purpose: both are converted to the device's.
    // Three seconds each, so that a slow start of the second (a loaded machine, the
    // sanitizers) still leaves most of them sounding together.
    SndPlay(file("quarter.wav", SoundFiles::levelWave(0.25, 3000, 22050, 1)), "S1", 0, 0);
    SndPlay(file("half.wav", SoundFiles::levelWave(0.5, 3000, 44100, 2)), "S2", 0, 0);
    const auto left = leftAfter(3500);
    EXPECT_GT(msAt(left, 0.75f), 2000.0); // both sounding: the levels add up
}

TEST_F(Output, StartingAgainOnAChannelRestartsFromTheBeginning) {
    // A ramp from 0 to 0.9 over one second shows where in the sound the output is.
    const QString ramp = file(
        "ramp.wav", SoundFiles::wave(44100, 1, 44100, [](int f) { return 0.9 * f / 44100.0; }));
    SndPlay(ramp, "S2", 0, 0);
    HeldWait::forMs(300);
    SndPlay(ramp, "S2", 0, 0);
    const auto left = leftAfter(1500);

    int restarts = 0;
    float highest = 0;
    for (std::size_t i = 1; i < left.size(); ++i) {
        if (left[i - 1] > 0.15f && left[i] < 0.05f && left[i - 1] < 0.5f) ++restarts;
        highest = std::max(highest, left[i]);
    }
    EXPECT_EQ(restarts, 1);
    EXPECT_GT(highest, 0.85f); // the second start ran to the end
    const auto sounding =
        std::count_if(left.begin(), left.end(), [](float s) { return s > 0.002f; });
    EXPECT_NEAR(1000.0 * double(sounding) / rate, 1300.0, 120.0);
}

TEST_F(Output, AMidiTuneIsHeard) {
    if (!midiFont()) GTEST_SKIP() << "no General MIDI SoundFont";
    SndPlay(file("tune.mid", SoundFiles::midiTune({60, 67}, 250)), "S3", 0, 0);
    const auto left = leftAfter(1200);
    double energy = 0;
    float peak = 0;
    for (float s : left) {
        energy += double(s) * s;
        peak = std::max(peak, std::abs(s));
    }
    EXPECT_GT(peak, 0.05f);
    EXPECT_GT(std::sqrt(energy / double(std::max<std::size_t>(left.size(), 1))), 0.005);
}

TEST_F(Output, AnUnknownEndingSilencesTheChannel) {
    // Five seconds of sound, cut after 200 ms: a channel left sounding would show seconds of
    // it, a slow machine only a little more than the 200 ms.
    const QByteArray level = SoundFiles::levelWave(0.5, 5000);
    const QString half = file("half.wav", level);
    for (const QString& other : {QStringLiteral("half.midi"), QStringLiteral("half.wav.old")}) {
        start = outputSize();
        SndPlay(half, "S1", 0, 0);
        HeldWait::forMs(200);
        SndPlay(file(other, level), "S1", 0, 0);
        const auto left = leftAfter(2500);
        EXPECT_LT(msAt(left, 0.5f), 1500.0) << other.toStdString();
        EXPECT_GT(msAt(left, 0.5f), 100.0) << other.toStdString();
    }
}

TEST_F(Output, ASynchronousSoundHasPlayedOutWhenTheCallReturns) {
    const QString wave = file("sync.wav", SoundFiles::levelWave(0.5, 400));
    QElapsedTimer clock;
    clock.start();
    SndPlay(wave, "S2", -1, 0);
    EXPECT_GE(clock.elapsed(), 400);
    const auto left = leftAfter(100);
    EXPECT_NEAR(msAt(left, 0.5f), 400.0, 40.0);
}

TEST_F(Output, RefusedFilesLeaveTheOutputSilent) {
    const QString text = file("readme.wav", "RIFF but not really a wave file");
    const QString midi = file("cut.mid", SoundFiles::midiTune({60}, 300).left(20));
    SndPlay(text, "S1", 0, 0);
    SndPlay(midi, "S3", -1, 0);
    const auto left = leftAfter(300);
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](float s) { return s == 0.0f; }));
}

TEST_F(Output, StopAndCloseSilenceTheChannelWithinOneBuffer) {
    const QString alias = AppInfo::exeName() + "S1";
    for (const char* verb : {"stop ", "close "}) {
        start = outputSize();
        SndPlay(file("half.wav", SoundFiles::levelWave(0.5, 3000)), "S1", 0, 0);
        HeldWait::forMs(300);
        mciSendString(QLatin1String(verb) + alias);
        const std::size_t at = framesWritten();
        const auto left = leftAfter(300);
        ASSERT_GT(left.size(), at);
        const auto after = std::count_if(left.begin() + std::ptrdiff_t(at), left.end(),
                                         [](float s) { return std::abs(s - 0.5f) < 0.02f; });
        EXPECT_LE(after, SdlAudioEngine::BufferFrames) << verb;
        EXPECT_GT(msAt(left, 0.5f), 250.0) << verb;
    }
}

TEST_F(Output, AnRmidTuneUnderAMidNameIsHeard) {
    if (!midiFont()) GTEST_SKIP() << "no General MIDI SoundFont";
    SndPlay(file("wrapped.mid", SoundFiles::rmid(SoundFiles::midiTune({60, 67}, 250))), "S3", 0, 0);
    const auto left = leftAfter(1000);
    float peak = 0;
    for (float s : left)
        peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.05f);
}

TEST_F(Output, NotANumberInAFloatWaveNeverReachesTheOutput) {
    std::vector<float> samples(22050, std::numeric_limits<float>::quiet_NaN());
    for (std::size_t i = 0; i < samples.size(); i += 3)
        samples[i] = std::numeric_limits<float>::infinity();
    SndPlay(file("nan.wav", SoundFiles::floatWave(44100, samples)), "S1", 0, 0);
    SndPlay(file("quarter.wav", SoundFiles::levelWave(0.25, 500)), "S2", 0, 0);
    const auto left = leftAfter(700);
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](float s) { return std::isfinite(s); }));
    EXPECT_NEAR(msAt(left, 0.25f), 500.0, 50.0) << "the other channel sounds as it should";
}

TEST_F(Output, ALongTuneKeepsSoundingWhileTheFareSoundsComeAndGo) {
    if (!midiFont()) GTEST_SKIP() << "no General MIDI SoundFont";
    // Three minutes of tune on the route channel, then five fare steps, each restarting the
    // fare sound on its own channel.
    SndPlay(file("route.mid", SoundFiles::longTune(180)), "S1", 0, 0);
    const QString step = file("step.wav", SoundFiles::levelWave(0.3, 150));
    std::vector<std::size_t> stepsAt;
    for (int i = 0; i < 5; ++i) {
        HeldWait::forMs(250);
        stepsAt.push_back(framesWritten());
        SndPlay(step, "S2", 0, 0);
    }
    const auto left = leftAfter(300);
    // Every quarter second between the steps still carries the tune.
    const std::size_t window = std::size_t(rate) / 4;
    for (std::size_t from = stepsAt.front(); from + window <= left.size(); from += window) {
        double energy = 0;
        for (std::size_t i = from; i < from + window; ++i)
            energy += double(left[i]) * left[i];
        EXPECT_GT(std::sqrt(energy / double(window)), 0.005) << "at frame " << from;
    }
    EXPECT_TRUE(MciInterpreter::instance().isPlaying(AppInfo::exeName() + "S1"));
}
