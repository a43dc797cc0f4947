// The Japanese speech component on the real dictionary and voice, with a capturing engine:
// speech reaches the engine as audible pieces on its own voice, speaking never waits for the
// synthesis, and stopping or a new text cuts it at once.
#include "sound/JapaneseSpeech.h"

#include "sound/SpeechOutput.h"
#include "tests/tape/CaptureEngine.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QString kAnnouncement =
    QStringLiteral("次は、山鳩市役所前です。お降りの方はお知らせください。");

double rms(const PcmBuffer& pcm) {
    double sum = 0;
    for (float s : pcm.samples)
        sum += double(s) * s;
    return pcm.samples.empty() ? 0 : std::sqrt(sum / double(pcm.samples.size()));
}

double seconds(const CaptureEngine& engine) {
    double total = 0;
    for (const auto& p : engine.plays)
        total += double(p.pcm->frames()) / engine.sampleRate();
    return total;
}

class Speech : public ::testing::Test {
  protected:
    CaptureEngine engine;
    std::unique_ptr<JapaneseSpeech> speech;

    void SetUp() override {
        JapaneseSpeech::Setup setup;
        setup.audio = [this]() -> AudioEngine& { return engine; };
        speech = JapaneseSpeech::create(setup);
        ASSERT_TRUE(speech) << "needs mecab-ipadic-utf8 and espeak-ng-data";
    }

    bool waitIdle(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (speech->status() != SpeechEngine::Idle && clock.elapsed() < ms)
            QTest::qWait(10);
        return speech->status() == SpeechEngine::Idle;
    }
};

} // namespace

TEST_F(Speech, AnAnnouncementIsHeardOnTheSpeechVoiceSentenceBySentence) {
    speech->speak(kAnnouncement);
    EXPECT_EQ(speech->status(), SpeechEngine::Speaking);
    ASSERT_TRUE(waitIdle(15000));
    ASSERT_EQ(engine.plays.size(), 2u) << "two sentences";
    for (const auto& p : engine.plays) {
        EXPECT_EQ(p.voice, SpeechOutput::Voice);
        EXPECT_GT(rms(*p.pcm), 0.02) << "speech-level signal";
    }
    EXPECT_GT(seconds(engine), 2.5);
    EXPECT_LT(seconds(engine), 12.0);
    // The second sentence starts only once the first has been heard.
    const auto& first = engine.plays[0];
    EXPECT_GE(engine.plays[1].atMs - first.atMs, qint64(first.pcm->frames()) * 1000 / 44100);
}

TEST_F(Speech, SpeakingReturnsAtOnceAndStopCutsEvenAHugeText) {
    QString huge;
    for (int i = 0; i < 20000; ++i)
        huge += kAnnouncement;
    QElapsedTimer clock;
    clock.start();
    speech->speak(huge);
    EXPECT_LT(clock.elapsed(), 50);
    QTRY_VERIFY_WITH_TIMEOUT(!engine.plays.empty(), 5000);
    clock.restart();
    speech->stop();
    EXPECT_LT(clock.elapsed(), 50);
    ASSERT_FALSE(engine.stops.empty());
    EXPECT_EQ(engine.stops.back().first, SpeechOutput::Voice);
    EXPECT_FALSE(engine.isPlaying(SpeechOutput::Voice));
    const size_t played = engine.plays.size();
    QTest::qWait(300);
    EXPECT_EQ(engine.plays.size(), played) << "nothing more plays after the stop";
    EXPECT_EQ(speech->status(), SpeechEngine::Idle);
}

TEST_F(Speech, ANewTextCutsTheOldOne) {
    speech->speak(QStringLiteral("ひとつめの文です。ふたつめの文です。みっつめの文です。"));
    QTRY_VERIFY_WITH_TIMEOUT(!engine.plays.empty(), 5000);
    speech->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(waitIdle(15000));
    ASSERT_EQ(engine.plays.size(), 2u) << "the first sentence of the old text, then the new one";
    EXPECT_LT(engine.plays[1].pcm->frames(), engine.plays[0].pcm->frames());
}

TEST_F(Speech, TheVoiceSettingsChangeSpeedAndVolume) {
    const auto measure = [this](const VoiceSettings& s) {
        engine.plays.clear();
        speech->speakWith(QStringLiteral("次は、市役所前です。"), s);
        EXPECT_TRUE(waitIdle(15000));
        return std::make_pair(seconds(engine),
                              engine.plays.empty() ? 0.0 : rms(*engine.plays[0].pcm));
    };
    VoiceSettings slow, fast, quiet;
    slow.rate = 100;
    fast.rate = 400;
    quiet.volume = 30;
    const auto [slowSeconds, normalLevel] = measure(slow);
    const auto [fastSeconds, fastLevel] = measure(fast);
    const auto [quietSeconds, quietLevel] = measure(quiet);
    EXPECT_GT(slowSeconds, 2 * fastSeconds);
    EXPECT_LT(quietLevel, normalLevel / 2);
    (void)fastLevel;
    (void)quietSeconds;
}

TEST(SpeechCreation, FailsWithoutDictionaryOrVoice) {
    QTemporaryDir empty;
    JapaneseSpeech::Setup noDictionary;
    noDictionary.dictionaryDirs = {empty.path()};
    EXPECT_EQ(JapaneseSpeech::create(noDictionary), nullptr);
    JapaneseSpeech::Setup noVoice;
    noVoice.voice = "zz-nonexistent";
    EXPECT_EQ(JapaneseSpeech::create(noVoice), nullptr);
    EXPECT_NE(JapaneseSpeech::create({}), nullptr) << "a failed voice leaves the real one usable";
}
