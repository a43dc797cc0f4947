// The mixer on its own, driven buffer by buffer as an output device would.
#include "sound/Mixer.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <new>

namespace {

// A constant level for `frames` frames (-1: for ever); optionally failing after a while.
class LevelSource : public AudioSource {
  public:
    LevelSource(float level, long long frames, long long throwAfter = -1)
        : m_level(level), m_left(frames), m_throwAfter(throwAfter) {}
    std::size_t read(float* out, std::size_t frames) override {
        if (m_throwAfter >= 0 && m_given >= m_throwAfter) throw std::bad_alloc();
        std::size_t n = frames;
        if (m_left >= 0) n = std::min<std::size_t>(frames, std::size_t(m_left));
        std::fill(out, out + n * 2, m_level);
        if (m_left >= 0) m_left -= (long long)n;
        m_given += (long long)n;
        return n;
    }

  private:
    float m_level;
    long long m_left;
    long long m_throwAfter;
    long long m_given = 0;
};

// A rising ramp of `frames` frames, 0 at the first: shows where in the sound the output is.
class RampSource : public AudioSource {
  public:
    explicit RampSource(std::size_t frames) : m_frames(frames) {}
    std::size_t read(float* out, std::size_t frames) override {
        const std::size_t n = std::min(frames, m_frames - m_position);
        for (std::size_t i = 0; i < n; ++i, ++m_position)
            out[2 * i] = out[2 * i + 1] = float(m_position) / float(m_frames);
        return n;
    }

  private:
    std::size_t m_frames;
    std::size_t m_position = 0;
};

struct MixerTest : ::testing::Test {
    static constexpr std::size_t Buffer = 256;
    Mixer mixer{8000};
    std::vector<float> out = std::vector<float>(Buffer * 2);

    // Mixes one buffer and returns its left channel.
    std::vector<float> next() {
        mixer.mix(out.data(), Buffer);
        std::vector<float> left(Buffer);
        for (std::size_t i = 0; i < Buffer; ++i)
            left[i] = out[2 * i];
        return left;
    }
    static std::unique_ptr<AudioSource> level(float v, long long frames = -1) {
        return std::make_unique<LevelSource>(v, frames);
    }
};

bool all(const std::vector<float>& v, float level) {
    return std::all_of(v.begin(), v.end(), [level](float s) { return std::abs(s - level) < 1e-6; });
}

} // namespace

TEST_F(MixerTest, VoicesAddUpAndTheSumIsLimitedToFullScale) {
    mixer.play("a", level(0.25f));
    mixer.play("b", level(0.5f));
    EXPECT_TRUE(all(next(), 0.75f));
    mixer.play("c", level(0.5f));
    EXPECT_TRUE(all(next(), 1.0f));
    mixer.stop("c");
    mixer.stop("b");
    EXPECT_TRUE(all(next(), 0.25f));
}

TEST_F(MixerTest, PlayStopAndRestartTakeEffectFromTheNextBuffer) {
    mixer.play("s1", std::make_unique<RampSource>(4000));
    next();
    const auto second = next();
    EXPECT_FLOAT_EQ(second[0], float(Buffer) / 4000.0f);
    mixer.play("s1", std::make_unique<RampSource>(4000));
    EXPECT_FLOAT_EQ(next()[0], 0.0f) << "a restart begins at the start";
    EXPECT_TRUE(mixer.isPlaying("s1"));
    mixer.stop("s1");
    EXPECT_TRUE(all(next(), 0.0f));
    EXPECT_FALSE(mixer.isPlaying("s1"));
    mixer.stop("nobody"); // ignored
}

TEST_F(MixerTest, ASoundShorterThanABufferIsPlayedWholeAndCountsUntilHeard) {
    // At 1000 Hz the 100 frames of the click last 100 ms: long enough to be seen playing on a
    // loaded machine.
    Mixer slow(1000);
    slow.play("click", level(0.5f, 100));
    QElapsedTimer clock;
    clock.start();
    slow.mix(out.data(), Buffer);
    EXPECT_EQ(std::count(out.begin(), out.end(), 0.5f), 200); // both channels
    // The device plays this buffer from now on: the click is heard for another 100 ms.
    EXPECT_TRUE(slow.isPlaying("click"));
    while (slow.isPlaying("click") && clock.elapsed() < 5000)
        QThread::msleep(5);
    EXPECT_GE(clock.elapsed(), 100);
    EXPECT_LT(clock.elapsed(), 5000) << "the click never ended";
}

TEST_F(MixerTest, AFailingSourceEndsItsOwnVoiceOnly) {
    mixer.play("bad", std::make_unique<LevelSource>(0.5f, -1, Buffer));
    mixer.play("good", level(0.25f));
    EXPECT_TRUE(all(next(), 0.75f));
    EXPECT_TRUE(all(next(), 0.25f)) << "the failed voice is silent, the other goes on";
    EXPECT_FALSE(mixer.isPlaying("bad"));
    EXPECT_TRUE(mixer.isPlaying("good"));
}

TEST_F(MixerTest, ValuesThatAreNotNumbersNeverReachTheOutput) {
    mixer.play("nan", level(std::numeric_limits<float>::quiet_NaN()));
    mixer.play("inf", level(-std::numeric_limits<float>::infinity()));
    mixer.play("fine", level(0.25f));
    EXPECT_TRUE(all(next(), 0.25f));
}

TEST_F(MixerTest, NoSoundPlaysLongerThanTheCap) {
    Mixer slow(1000); // a small rate keeps the cap's frame count small
    std::vector<float> buffer(2 * 1000);
    long long sounding = 0;
    slow.play("endless", level(0.1f));
    for (int second = 0; second < Mixer::MaxPlaySeconds + 5; ++second) {
        slow.mix(buffer.data(), 1000);
        sounding += std::count(buffer.begin(), buffer.end(), 0.1f) / 2;
    }
    EXPECT_EQ(sounding, Mixer::MaxPlaySeconds * 1000LL);
}
