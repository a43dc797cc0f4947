// Wave files decoded block by block, and the resampler they stream through.
#include "sound/Resampler.h"
#include "sound/WaveSource.h"

#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

namespace {

float peak(const std::vector<float>& samples) {
    float p = 0;
    for (float s : samples)
        p = std::max(p, std::abs(s));
    return p;
}

std::vector<float> decode(const QString& path, int rate, long long startMs = 0) {
    auto source = WaveSource::open(path, rate, startMs);
    return source ? SoundFiles::drain(*source) : std::vector<float>{};
}

} // namespace

TEST(WaveSource, ResamplesMonoToStereoAtTheEngineRate) {
    QTemporaryDir dir;
    const QString path = dir.filePath("level.wav");
    SoundFiles::write(path, SoundFiles::levelWave(0.25, 500, 22050, 1));

    auto source = WaveSource::open(path, 44100);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->lengthFrames(), 22050);
    const auto pcm = SoundFiles::drain(*source);
    EXPECT_NEAR(double(pcm.size() / 2), 22050.0, 64.0);
    const std::size_t mid = pcm.size() / 4;
    EXPECT_NEAR(pcm[2 * mid], 0.25, 0.01);
    EXPECT_NEAR(pcm[2 * mid + 1], 0.25, 0.01);
}

TEST(WaveSource, KeepsStereoSidesApart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("stereo.wav");
    // Left and right differ: build the frames by hand on top of a stereo header.
    QByteArray bytes = SoundFiles::wave(44100, 2, 4410, [](int) { return 0.0; });
    for (int f = 0; f < 4410; ++f) {
        bytes[44 + 4 * f + 1] = char(0x20); // left about +0.25
        bytes[44 + 4 * f + 3] = char(0xe0); // right about -0.25
    }
    SoundFiles::write(path, bytes);
    const auto pcm = decode(path, 44100);
    ASSERT_EQ(pcm.size(), 4410u * 2);
    EXPECT_GT(pcm[200], 0.2f);
    EXPECT_LT(pcm[201], -0.2f);
}

TEST(WaveSource, StartsPartWayInAndRefusesAStartPastTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ramp.wav");
    SoundFiles::write(path, SoundFiles::wave(8000, 1, 8000, [](int f) { return f / 8000.0; }));
    const auto rest = decode(path, 8000, 250);
    ASSERT_EQ(rest.size(), 6000u * 2);
    EXPECT_NEAR(rest[0], 0.25, 0.001);

    SourceError error = SourceError::None;
    EXPECT_TRUE(WaveSource::open(path, 8000, 1000, &error)) << "the very end is a start";
    EXPECT_FALSE(WaveSource::open(path, 8000, 1001, &error));
    EXPECT_EQ(error, SourceError::PastEnd);
}

TEST(WaveSource, RefusesWhatIsNotSound) {
    QTemporaryDir dir;
    const QByteArray good = SoundFiles::levelWave(0.5, 100);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"text.wav", "This is not a sound file.\r\n"},
        {"empty.wav", ""},
        {"header-only.wav", good.left(20)},
        {"no-data.wav", SoundFiles::levelWave(0.5, 0)},
        // Damaged rates: one would overflow the resampler, the other stretch 300 frames into
        // five minutes of output.
        {"megahertz.wav", SoundFiles::levelWave(0.5, 1, 5000000)},
        {"one-hertz.wav", SoundFiles::levelWave(0.5, 300000, 1)},
        // Days of sound declared, not one frame that decodes.
        {"flac-days.wav", SoundFiles::flacDeclaring((1LL << 36) - 1, 768000, 8, 152)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        SoundFiles::write(path, c.bytes);
        SourceError error = SourceError::None;
        EXPECT_FALSE(WaveSource::open(path, 44100, 0, &error)) << c.name;
        EXPECT_EQ(error, SourceError::NotSound) << c.name;
    }
    EXPECT_FALSE(WaveSource::open(dir.filePath("missing.wav"), 44100));
    EXPECT_FALSE(WaveSource::open(dir.path(), 44100)) << "a folder";
    // A named pipe would block the open until a writer came.
    const QString pipe = dir.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(WaveSource::open(pipe, 44100));
}

TEST(WaveSource, AFloatWaveOfNotANumberPlaysAsSilence) {
    QTemporaryDir dir;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<float> samples(4000, nan);
    for (std::size_t i = 0; i < samples.size(); i += 4) {
        samples[i + 1] = inf;
        samples[i + 2] = 3e38f;
    }
    std::fill(samples.begin() + 3000, samples.end(), 0.5f); // a sound after the damage
    const QString path = dir.filePath("float.wav");
    SoundFiles::write(path, SoundFiles::floatWave(8000, samples));
    // Resampled too: the filter would smear one not-a-number over its neighbours.
    for (int rate : {8000, 44100}) {
        const auto pcm = decode(path, rate);
        ASSERT_FALSE(pcm.empty()) << rate;
        EXPECT_TRUE(std::all_of(pcm.begin(), pcm.end(), [](float s) { return std::isfinite(s); }))
            << rate;
        EXPECT_LE(peak(pcm), 1.1f) << rate << ": 3e38 is clipped, give or take the filter's ring";
        EXPECT_NEAR(pcm[pcm.size() - pcm.size() / 16], 0.5, 0.01) << rate;
    }
}

TEST(Resampler, RejectsNonsenseFormatsInsteadOfDividingByThem) {
    EXPECT_FALSE(Resampler::create(0, 44100, 44100));
    EXPECT_FALSE(Resampler::create(1, 0, 44100));
    EXPECT_FALSE(Resampler::create(1, 44100, 0));
    EXPECT_FALSE(Resampler::create(1, 5000000, 44100));
    EXPECT_FALSE(Resampler::create(1, 1, 44100));
    // Three channels: the first two are kept, frame count unchanged.
    auto three = Resampler::create(3, 8000, 8000);
    ASSERT_TRUE(three);
    const std::vector<float> frames = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
    std::vector<float> out;
    ASSERT_TRUE(three->push(frames.data(), 2, out));
    ASSERT_TRUE(three->finish(out));
    EXPECT_EQ(out, (std::vector<float>{0.1f, 0.2f, 0.4f, 0.5f}));
}

TEST(Resampler, KeepsTheWholeSoundAtEveryRateWhenFedInBlocks) {
    const int rates[][2] = {{22050, 44100}, {48000, 44100}, {8000, 48000}, {192000, 8000}};
    for (const auto& r : rates) {
        auto resampler = Resampler::create(1, r[0], r[1]);
        ASSERT_TRUE(resampler);
        const std::vector<float> level(std::size_t(r[0]) / 2, 0.5f); // half a second, mono
        std::vector<float> out;
        // Uneven blocks, as a decoder's last block is.
        for (std::size_t at = 0; at < level.size(); at += 1000)
            ASSERT_TRUE(resampler->push(level.data() + at,
                                        std::min<std::size_t>(1000, level.size() - at), out));
        ASSERT_TRUE(resampler->finish(out));
        const std::size_t frames = out.size() / 2;
        EXPECT_NEAR(double(frames), r[1] / 2.0, 2.0) << r[0] << " to " << r[1];
        // Still at the level shortly before the end: the tail was not cut or faded.
        const std::size_t probe = frames - std::size_t(r[1]) / 100;
        EXPECT_NEAR(out[2 * probe], 0.5, 0.02) << r[0] << " to " << r[1];
        EXPECT_NEAR(out[frames / 2 * 2], 0.5, 0.02) << r[0] << " to " << r[1];
    }
}

TEST(Resampler, TheTailIsWhatTheSoundFollowedBySilenceGives) {
    // The end of a sound must come out as it would with endless silence after it: the same
    // samples, not ones cut short by the resampler's look-ahead.
    const int rates[][2] = {{44100, 11025}, {192000, 8000}, {1000, 44100}, {22050, 48000}};
    for (const auto& r : rates) {
        std::vector<float> sound(3001);
        for (std::size_t i = 0; i < sound.size(); ++i)
            sound[i] = float(std::sin(double(i) * 0.37) * 0.8);
        auto ended = Resampler::create(1, r[0], r[1]);
        auto followed = Resampler::create(1, r[0], r[1]);
        ASSERT_TRUE(ended && followed);
        std::vector<float> out;
        std::vector<float> longer;
        ASSERT_TRUE(ended->push(sound.data(), sound.size(), out));
        ASSERT_TRUE(ended->finish(out));
        const std::vector<float> silence(std::size_t(r[0]) * 2, 0.0f);
        ASSERT_TRUE(followed->push(sound.data(), sound.size(), longer));
        ASSERT_TRUE(followed->push(silence.data(), silence.size(), longer));
        ASSERT_TRUE(followed->finish(longer));
        ASSERT_GE(longer.size(), out.size()) << r[0] << " to " << r[1];
        EXPECT_NEAR(double(out.size() / 2), double(sound.size()) * r[1] / r[0], 1.0)
            << r[0] << " to " << r[1];
        EXPECT_TRUE(std::equal(out.begin(), out.end(), longer.begin())) << r[0] << " to " << r[1];
    }
}

TEST(SampleSounds, AllDecodeToAudibleSound) {
    const QString folder = TestUtil::samplesDir() + "/sounds/";
    for (const char* name : {"chime.wav", "click.wav", "fare.wav"}) {
        const auto pcm = decode(folder + name, 44100);
        ASSERT_FALSE(pcm.empty()) << name;
        EXPECT_GT(peak(pcm), 0.2f) << name;
    }
}
