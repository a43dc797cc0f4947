// The Japanese speech component on the real dictionary and voice, with an engine that keeps
// what it plays: the speech is heard on its own voice at a speaking level, speaking never
// waits for the synthesis, and a stop or a new text cuts it at once.
#include "sound/JapaneseSpeech.h"

#include "sound/EspeakVoice.h"
#include "sound/SpeechOutput.h"
#include "tests/tape/CaptureEngine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QString Announcement =
    QStringLiteral("次は、山鳩市役所前です。お降りの方はお知らせください。");

bool loud(float s) {
    return std::abs(s) > 0.01f;
}

// Seconds from the first to the last loud sample, and the loudness (RMS) between them.
std::pair<double, double> measure(const std::vector<float>& out) {
    const auto first = std::find_if(out.begin(), out.end(), loud);
    const auto last = std::find_if(out.rbegin(), out.rend(), loud).base();
    if (first >= last) return {0.0, 0.0};
    double sum = 0;
    for (auto it = first; it != last; ++it)
        sum += double(*it) * *it;
    const auto n = double(last - first);
    return {n / CaptureEngine::Rate, std::sqrt(sum / n)};
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

TEST_F(Speech, AnAnnouncementIsHeardOnItsOwnVoiceAtSpeakingLevel) {
    const std::size_t before = engine.outputSize();
    speech->speak(Announcement);
    EXPECT_EQ(speech->status(), SpeechEngine::Speaking);
    ASSERT_TRUE(waitIdle(15000));
    ASSERT_EQ(engine.plays.size(), 1u);
    EXPECT_EQ(engine.plays[0].first, SpeechOutput::Voice);
    const auto [seconds, level] = measure(engine.output(before));
    EXPECT_GT(seconds, 2.5);
    EXPECT_LT(seconds, 12.0);
    EXPECT_GT(level, 0.02);
}

TEST_F(Speech, SpeakingReturnsAtOnceAndStopCutsEvenAHugeText) {
    QString huge;
    for (int i = 0; i < 20000; ++i)
        huge += Announcement;
    QElapsedTimer clock;
    clock.start();
    speech->speak(huge);
    // Speaking this text takes days and making it minutes: a second is "at once" with room
    // for a loaded machine.
    EXPECT_LT(clock.elapsed(), 1000);
    const std::size_t before = engine.outputSize();
    EXPECT_TRUE(QTest::qWaitFor([&] { return measure(engine.output(before)).first > 0.5; }, 5000));
    clock.restart();
    speech->stop();
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_FALSE(engine.stops.empty());
    EXPECT_EQ(engine.stops.back().first, SpeechOutput::Voice);
    QTest::qWait(30); // the mixer buffer under way
    const std::size_t afterStop = engine.outputSize();
    QTest::qWait(300);
    EXPECT_EQ(measure(engine.output(afterStop)).first, 0.0) << "nothing more is heard";
    EXPECT_EQ(speech->status(), SpeechEngine::Idle);
}

TEST_F(Speech, ANewTextCutsTheOldOne) {
    speech->speak(QStringLiteral("ひとつめの文です。ふたつめの文です。みっつめの文です。"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return measure(engine.output()).first > 0.3; }, 5000));
    const std::size_t cut = engine.outputSize();
    speech->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(waitIdle(15000));
    EXPECT_EQ(engine.plays.size(), 2u);
    const double rest = measure(engine.output(cut)).first;
    EXPECT_GT(rest, 0.3);
    EXPECT_LT(rest, 2.0) << "only the short new text after the cut";
}

TEST_F(Speech, TheVoiceSettingsChangeSpeedAndVolume) {
    const auto heard = [this](const VoiceSettings& s) {
        const std::size_t before = engine.outputSize();
        speech->speakWith(QStringLiteral("次は、市役所前です。"), s);
        EXPECT_TRUE(waitIdle(15000));
        return measure(engine.output(before));
    };
    VoiceSettings slow, fast, quiet;
    slow.rate = 100;
    fast.rate = 400;
    quiet.volume = 30;
    const auto [slowSeconds, normalLevel] = heard(slow);
    const double fastSeconds = heard(fast).first;
    const double quietLevel = heard(quiet).second;
    EXPECT_GT(slowSeconds, 2 * fastSeconds);
    EXPECT_LT(quietLevel, normalLevel / 2);
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

// Creating only looks for the dictionary and the voice; they load on the speech thread, and
// the outcome reaches the GUI thread. A dictionary file that is there but cannot be read fails
// there, and a text spoken meanwhile fails with it instead of leaving the speech busy.
TEST(SpeechCreation, LoadingTellsItsOutcomeAndAFailedLoadFailsTheWaitingText) {
    struct Ready : SpeechReady {
        std::vector<bool> told;
        void speechReady(bool usable) override { told.push_back(usable); }
    };
    CaptureEngine engine;
    QTemporaryDir broken;
    QFile dic(broken.filePath(QStringLiteral("sys.dic")));
    ASSERT_TRUE(dic.open(QIODevice::WriteOnly) && dic.write(QByteArray(4096, 'x')) == 4096);
    dic.close();
    JapaneseSpeech::Setup setup;
    setup.dictionaryDirs = {broken.path()};
    setup.audio = [&engine]() -> AudioEngine& { return engine; };
    std::unique_ptr<JapaneseSpeech> speech = JapaneseSpeech::create(setup);
    ASSERT_TRUE(speech) << "only the file's presence is checked at creation";
    speech->speak(Announcement);
    Ready failed;
    speech->load(failed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !failed.told.empty(); }, 20000));
    EXPECT_EQ(failed.told, std::vector<bool>{false});
    EXPECT_TRUE(QTest::qWaitFor([&] { return speech->status() == SpeechEngine::Failed; }, 5000));

    setup.dictionaryDirs.clear();
    speech = JapaneseSpeech::create(setup);
    Ready ready;
    speech->load(ready);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ready.told.empty(); }, 20000));
    speech->load(ready); // once loaded, asking again answers at once
    EXPECT_EQ(ready.told, (std::vector<bool>{true, true}));
}

// A voice chosen once and since uninstalled (or a name that no voice has) gives way to the
// built-in voice: the announcement is still heard, at the built-in voice's length.
TEST_F(Speech, AVoiceThatIsNotInstalledSpeaksWithTheBuiltInOne) {
    VoiceSettings gone;
    gone.voice = "mb-jp9";
    const std::size_t before = engine.outputSize();
    speech->speakWith(QStringLiteral("次は、市役所前です。"), gone);
    ASSERT_TRUE(waitIdle(15000));
    EXPECT_NE(speech->status(), SpeechEngine::Failed);
    const double seconds = measure(engine.output(before)).first;
    EXPECT_GT(seconds, 0.8);
    EXPECT_LT(seconds, 5.0);
    const QList<QByteArray> voices = EspeakVoice::japaneseVoices("ja");
    ASSERT_FALSE(voices.isEmpty());
    EXPECT_EQ(voices.first(), "ja");
    for (const QByteArray& v : voices.mid(1))
        EXPECT_TRUE(v.startsWith("mb-jp")) << v.constData();
    // Listing the voices leaves the one in use speaking.
    const std::size_t after = engine.outputSize();
    speech->speakWith(QStringLiteral("次は、市役所前です。"), VoiceSettings());
    ASSERT_TRUE(waitIdle(15000));
    EXPECT_GT(measure(engine.output(after)).first, 0.8);
}
