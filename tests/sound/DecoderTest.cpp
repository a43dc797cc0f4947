#include "sound/MidiRenderer.h"
#include "sound/Resampler.h"
#include "sound/WaveDecoder.h"

#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

float peak(const PcmBuffer& pcm) {
    float p = 0;
    for (float s : pcm.samples)
        p = std::max(p, std::abs(s));
    return p;
}

} // namespace

TEST(WaveDecoder, ResamplesMonoToStereoAtTheEngineRate) {
    QTemporaryDir dir;
    const QString path = dir.filePath("level.wav");
    SoundFiles::write(path, SoundFiles::levelWave(0.25, 500, 22050, 1));

    const auto pcm = WaveDecoder::decode(path, 44100);
    ASSERT_TRUE(pcm);
    EXPECT_NEAR(double(pcm->frames()), 22050.0, 64.0);
    const std::size_t mid = pcm->frames() / 2;
    EXPECT_NEAR(pcm->samples[2 * mid], 0.25, 0.01);
    EXPECT_NEAR(pcm->samples[2 * mid + 1], 0.25, 0.01);
}

TEST(WaveDecoder, KeepsStereoSidesApart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("stereo.wav");
    // Left and right differ: build the frames by hand on top of a stereo header.
    QByteArray bytes = SoundFiles::wave(44100, 2, 4410, [](int) { return 0.0; });
    for (int f = 0; f < 4410; ++f) {
        bytes[44 + 4 * f + 1] = char(0x20); // left about +0.25
        bytes[44 + 4 * f + 3] = char(0xe0); // right about -0.25
    }
    SoundFiles::write(path, bytes);
    const auto pcm = WaveDecoder::decode(path, 44100);
    ASSERT_TRUE(pcm);
    EXPECT_GT(pcm->samples[200], 0.2f);
    EXPECT_LT(pcm->samples[201], -0.2f);
}

TEST(WaveDecoder, RefusesFilesThatAreNotSound) {
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
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        SoundFiles::write(path, c.bytes);
        EXPECT_FALSE(WaveDecoder::decode(path, 44100)) << c.name;
    }
    EXPECT_FALSE(WaveDecoder::decode(dir.filePath("missing.wav"), 44100));
}

TEST(Resampler, RejectsNonsenseFormatsInsteadOfDividingByThem) {
    const std::vector<float> samples(100, 0.5f);
    EXPECT_TRUE(Resampler::toStereo(samples, 0, 44100, 44100).empty());
    EXPECT_TRUE(Resampler::toStereo(samples, 1, 0, 44100).empty());
    EXPECT_TRUE(Resampler::toStereo(samples, 1, 44100, 0).empty());
    EXPECT_TRUE(Resampler::toStereo(samples, 1, 5000000, 44100).empty());
    EXPECT_TRUE(Resampler::toStereo(samples, 1, 1, 44100).empty());
    EXPECT_EQ(Resampler::toStereo(samples, 1, 44100, 44100).frames(), 100u);
    // Three channels: the first two are kept, frame count unchanged.
    EXPECT_EQ(Resampler::toStereo(std::vector<float>(99, 0.1f), 3, 8000, 8000).frames(), 33u);
}

TEST(Resampler, KeepsTheWholeSoundAtEveryRate) {
    const int rates[][2] = {{22050, 44100}, {48000, 44100}, {8000, 48000}, {192000, 8000}};
    for (const auto& r : rates) {
        const std::vector<float> level(std::size_t(r[0]) / 2, 0.5f); // half a second, mono
        const PcmBuffer out = Resampler::toStereo(level, 1, r[0], r[1]);
        EXPECT_NEAR(double(out.frames()), r[1] / 2.0, 2.0) << r[0] << " to " << r[1];
        // Still at the level shortly before the end: the tail was not cut or faded.
        const std::size_t probe = out.frames() - std::size_t(r[1]) / 100;
        EXPECT_NEAR(out.samples[2 * probe], 0.5, 0.02) << r[0] << " to " << r[1];
    }
}

TEST(MidiRenderer, RendersATuneToItsLengthWithSound) {
    if (MidiRenderer::soundFontPath().isEmpty()) GTEST_SKIP() << "no General MIDI SoundFont";
    QTemporaryDir dir;
    const QString path = dir.filePath("tune.mid");
    SoundFiles::write(path, SoundFiles::midiTune({60, 64, 67}, 250));

    MidiRenderer renderer(44100);
    const auto pcm = renderer.render(path);
    ASSERT_TRUE(pcm);
    const double seconds = double(pcm->frames()) / 44100.0;
    EXPECT_GE(seconds, 0.74);
    EXPECT_LE(seconds, 0.75 + 1.05); // the tune, then at most a second of release
    EXPECT_GT(peak(*pcm), 0.02f);

    // The synthesiser is reused: a second tune renders the same way.
    const auto again = renderer.render(path);
    ASSERT_TRUE(again);
    EXPECT_NEAR(double(again->frames()), double(pcm->frames()), 44100 * 0.05);
}

TEST(MidiRenderer, RefusesDamagedFiles) {
    QTemporaryDir dir;
    const QByteArray tune = SoundFiles::midiTune({60}, 200);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"text.mid", "MIDI? no.\n"},
        {"header-only.mid", tune.left(14)},
        {"garbage.mid", QByteArray("MThd") + QByteArray(64, '\x7f')},
        {"cut-track.mid", tune.left(tune.size() - 6)},
    };
    MidiRenderer renderer(44100);
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        SoundFiles::write(path, c.bytes);
        const auto pcm = renderer.render(path);
        // Refused, or at worst a short sound: never a hang or a crash.
        if (pcm) EXPECT_LT(pcm->frames(), 44100u * 3) << c.name;
        if (QByteArray(c.name) != "cut-track.mid") EXPECT_FALSE(pcm) << c.name;
    }
}

TEST(SampleSounds, AllDecodeToAudibleSound) {
    const QString folder = TestUtil::samplesDir() + "/sounds/";
    for (const char* name : {"chime.wav", "click.wav", "fare.wav"}) {
        const auto pcm = WaveDecoder::decode(folder + name, 44100);
        ASSERT_TRUE(pcm) << name;
        EXPECT_GT(peak(*pcm), 0.2f) << name;
    }
    if (MidiRenderer::soundFontPath().isEmpty()) GTEST_SKIP() << "no General MIDI SoundFont";
    MidiRenderer renderer(44100);
    const auto tune = renderer.render(folder + "tune.mid");
    ASSERT_TRUE(tune);
    EXPECT_GT(double(tune->frames()) / 44100.0, 2.3); // 4.75 beats at 120 a minute
    EXPECT_GT(peak(*tune), 0.05f);
}
