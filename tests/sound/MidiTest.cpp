// MIDI tunes: the file as the synthesiser gets it, and tunes played block by block on
// synthesisers that share one SoundFont.
#include "sound/MidiFile.h"
#include "sound/MidiSource.h"
#include "sound/SoundFont.h"

#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int Rate = 44100;

float peak(const std::vector<float>& samples) {
    float p = 0;
    for (float s : samples)
        p = std::max(p, std::abs(s));
    return p;
}

// The largest difference between two renderings of the same tune.
float difference(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size()) return 1.0f;
    float most = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        most = std::max(most, std::abs(a[i] - b[i]));
    return most;
}

double seconds(const std::vector<float>& samples) {
    return double(samples.size() / 2) / Rate;
}

struct Midi : ::testing::Test {
    QTemporaryDir dir;
    std::shared_ptr<SoundFont> font;

    void SetUp() override {
        font = SoundFont::shared();
        if (!font) GTEST_SKIP() << "no General MIDI SoundFont";
    }
    QString file(const QString& name, const QByteArray& bytes) {
        SoundFiles::write(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
    std::unique_ptr<MidiSource> open(const QString& path, long long startMs = 0,
                                     SourceError* error = nullptr) {
        return MidiSource::open(MidiFile::read(path), Rate, font, startMs, error);
    }
};

} // namespace

TEST(MidiFile, FindsTheTuneBareOrInsideAnRmidWrapper) {
    const QByteArray smf = SoundFiles::midiTune({60, 64}, 200);
    EXPECT_EQ(MidiFile::standardMidi(smf), smf);
    EXPECT_EQ(MidiFile::standardMidi(SoundFiles::rmid(smf)), smf);

    QByteArray lying = SoundFiles::rmid(smf);
    lying[lying.indexOf("data") + 7] = char(0x7f); // the data chunk claims 2 GB
    EXPECT_EQ(MidiFile::standardMidi(lying), smf) << "taken as far as the file goes";
    QByteArray hugeInfo = SoundFiles::rmid(smf);
    hugeInfo[19] = char(0xff); // the chunk before the data claims to run past the end
    EXPECT_TRUE(MidiFile::standardMidi(hugeInfo).isEmpty());

    EXPECT_TRUE(MidiFile::standardMidi(QByteArray("RIFF\x04\0\0\0WAVE", 12)).isEmpty());
    // Headers no synthesiser could take, refused before the SoundFont is needed.
    for (const auto& [at, value] : {std::pair{7, 0xff}, {7, 5}, {9, 3}, {11, 0}, {12, 0}}) {
        QByteArray broken = smf;
        broken[at] = char(value);
        if (at == 12) broken[13] = 0; // no division
        EXPECT_TRUE(MidiFile::standardMidi(broken).isEmpty()) << at << " = " << value;
        EXPECT_TRUE(MidiFile::standardMidi(SoundFiles::rmid(broken)).isEmpty()) << at;
    }
    EXPECT_TRUE(MidiFile::standardMidi(smf.left(13)).isEmpty());
    // A chunk of another kind is left out and a longer header cut to its six bytes, so that
    // the synthesiser, which cannot step over either, gets the tune alone; a chunk whose length
    // steps past the end of the file leaves the track behind it unfound.
    for (const char* length : {"\0\0\0\x02", "\x10\0\0\0", "\xff\xff\xff\xff"}) {
        const QByteArray extra = smf.left(14) + "XTra" + QByteArray(length, 4) + "ab" + smf.mid(14);
        const QByteArray expected = length[0] == 0 ? smf : QByteArray();
        EXPECT_EQ(MidiFile::standardMidi(extra), expected) << int(length[0]);
        EXPECT_EQ(MidiFile::standardMidi(SoundFiles::rmid(extra)), expected);
    }
    QByteArray longHeader = smf.left(14) + "xy" + smf.mid(14);
    longHeader[7] = 8;
    EXPECT_EQ(MidiFile::standardMidi(longHeader), smf);
    EXPECT_TRUE(MidiFile::standardMidi(SoundFiles::rmid("not a tune")).isEmpty());
    EXPECT_TRUE(MidiFile::standardMidi("RIFF").isEmpty());
    EXPECT_TRUE(MidiFile::standardMidi({}).isEmpty());
}

namespace {

// One track of `events` in a tune file; the track's length may be told short.
QByteArray oneTrack(const QByteArray& events, int lengthShortBy = 0) {
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14);
    const quint32 length = quint32(events.size() - lengthShortBy);
    b.append("MTrk");
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(char(length >> shift));
    return b + events;
}

} // namespace

TEST(MidiFile, RefusesTracksWhoseEventsDoNotEndInPlace) {
    const QByteArray note("\0\x90\x3c\x64\x60\x3c\0", 7); // on, then off by running status
    const QByteArray end("\0\xff\x2f\0", 4);
    const QByteArray sysex("\0\xf0\x03\x7e\x09\xf7", 6);
    for (const QByteArray& good : {note + end, sysex + note + end, note, note + end + "\x81junk"}) {
        const QByteArray smf = oneTrack(good);
        EXPECT_EQ(MidiFile::standardMidi(smf), smf) << good.toHex().constData();
    }
    const QByteArray text("\0\xff\x01\x02hi", 6);
    const QByteArray bad[] = {
        oneTrack(note + end, end.size() + 1), // the last note runs over the track's end
        oneTrack(text + QByteArray("\0\x3c\x64", 3) + end), // a data byte after a meta event
        oneTrack(QByteArray("\0\x3c\x64", 3) + end),        // a data byte with no status
        oneTrack(QByteArray("\0\xf1\x01", 3) + end),        // a system message
        oneTrack(QByteArray("\0\xf7\x01\x00", 4) + end),    // a continued system exclusive
        oneTrack(QByteArray("\x81\x81\x81\x81\0\x90\x3c\x64", 8) + end), // 5-byte time
        oneTrack(QByteArray("\0\xff\x01\x7f", 4) + end), // text longer than the track
    };
    for (const QByteArray& smf : bad)
        EXPECT_TRUE(MidiFile::standardMidi(smf).isEmpty()) << smf.toHex().constData();
    QByteArray twoCounted = oneTrack(note + end);
    twoCounted[11] = 2;
    EXPECT_TRUE(MidiFile::standardMidi(twoCounted).isEmpty()) << "a counted track is missing";
}

TEST(MidiFile, CountsTicksAtTheOpeningTempoOrInFrames) {
    const QByteArray smf = SoundFiles::midiTune({60}, 200); // 480 ticks a beat
    EXPECT_DOUBLE_EQ(MidiFile::ticksPerMs(smf, 500000), 0.96);
    QByteArray smpte = smf;
    smpte[12] = char(-25); // 25 frames a second
    smpte[13] = char(40);  // of 40 ticks each
    EXPECT_DOUBLE_EQ(MidiFile::ticksPerMs(smpte, 500000), 1.0);
    EXPECT_EQ(MidiFile::ticksPerMs(smf, 0), 0.0);
    EXPECT_EQ(MidiFile::ticksPerMs("MThd", 500000), 0.0);
}

TEST_F(Midi, PlaysATuneToItsLengthWithSound) {
    const QString path = file("tune.mid", SoundFiles::midiTune({60, 64, 67}, 250));
    auto source = open(path);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->lengthFrames(), -1) << "only playing tells a tune's length";
    const auto pcm = SoundFiles::drain(*source);
    EXPECT_GE(seconds(pcm), 0.74);
    EXPECT_LE(seconds(pcm), 0.75 + 1.05); // the tune, then at most a second of release
    EXPECT_GT(peak(pcm), 0.02f);
}

TEST_F(Midi, TunesPlayingTogetherDoNotDisturbEachOther) {
    const QString low = file("low.mid", SoundFiles::midiTune({48, 50, 52}, 200));
    const QString high = file("high.mid", SoundFiles::midiTune({84}, 900));
    auto alone = open(low);
    ASSERT_TRUE(alone);
    const auto expected = SoundFiles::drain(*alone);

    // Read in turns, as the mixer does: each has a synthesiser of its own on the shared font.
    auto a = open(low);
    auto b = open(high);
    ASSERT_TRUE(a && b);
    std::vector<float> got;
    std::vector<float> block(2048);
    for (;;) {
        const std::size_t n = a->read(block.data(), 1024);
        got.insert(got.end(), block.begin(), block.begin() + std::ptrdiff_t(2 * n));
        b->read(block.data(), 1024);
        if (n < 1024) break;
    }
    EXPECT_LT(difference(got, expected), 1e-6f);
}

TEST_F(Midi, ATuneSoundsTheSameOnASynthesiserThatPlayedAnotherBefore) {
    const QString path = file("tune.mid", SoundFiles::midiTune({60, 64, 67}, 200));
    auto first = open(path);
    ASSERT_TRUE(first);
    const auto expected = SoundFiles::drain(*first);
    first.reset();
    {
        // Cut off while its notes, their reverb and chorus still sound.
        auto other = open(file("chord.mid", SoundFiles::midiTune({36, 48, 55, 60, 64}, 400)));
        ASSERT_TRUE(other);
        SoundFiles::drain(*other, Rate / 2);
    }
    auto again = open(path);
    ASSERT_TRUE(again);
    EXPECT_LT(difference(SoundFiles::drain(*again), expected), 1e-6f);
}

TEST_F(Midi, AnRmidFilePlaysLikeTheTuneItWraps) {
    const QByteArray smf = SoundFiles::midiTune({60, 67}, 250);
    auto bare = open(file("bare.mid", smf));
    auto wrapped = open(file("wrapped.mid", SoundFiles::rmid(smf)));
    ASSERT_TRUE(bare);
    ASSERT_TRUE(wrapped);
    EXPECT_LT(difference(SoundFiles::drain(*wrapped), SoundFiles::drain(*bare)), 1e-6f);
}

TEST_F(Midi, StartsPartWayInAndRefusesAStartPastTheEnd) {
    const QString path = file("tune.mid", SoundFiles::midiTune({60, 62, 64, 65}, 500));
    auto whole = open(path);
    auto rest = open(path, 1000);
    ASSERT_TRUE(whole && rest);
    const double difference =
        seconds(SoundFiles::drain(*whole)) - seconds(SoundFiles::drain(*rest));
    EXPECT_NEAR(difference, 1.0, 0.05);

    SourceError error = SourceError::None;
    EXPECT_FALSE(open(path, 2500, &error));
    EXPECT_EQ(error, SourceError::PastEnd);
}

TEST_F(Midi, RefusesDamagedFilesAndWhatIsNotAFile) {
    const QByteArray tune = SoundFiles::midiTune({60}, 200);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"text.mid", "MIDI? no.\n"},
        {"header-only.mid", tune.left(14)},
        {"garbage.mid", QByteArray("MThd") + QByteArray(64, '\x7f')},
        {"cut-track.mid", tune.left(tune.size() - 6)},
        {"wave.mid", SoundFiles::levelWave(0.5, 100)},
        {"huge.mid", tune + QByteArray(MidiFile::MaxFileBytes, '\0')},
    };
    for (const auto& c : cases) {
        auto source = open(file(c.name, c.bytes));
        // Refused, or at worst a short sound: never a hang or a crash.
        if (source) EXPECT_LT(SoundFiles::drain(*source).size(), 2u * Rate * 3) << c.name;
        if (QByteArray(c.name) != "cut-track.mid") EXPECT_FALSE(source) << c.name;
    }
    EXPECT_FALSE(open(dir.filePath("missing.mid")));
    EXPECT_FALSE(open(dir.path()));
    EXPECT_FALSE(MidiSource::open(tune, Rate, nullptr)) << "no SoundFont";
}

TEST_F(Midi, ATuneWithAChunkOfAnotherKindPlays) {
    const QByteArray tune = SoundFiles::midiTune({60, 64}, 200);
    const QByteArray extra = tune.left(14) +
                             QByteArray("XTra\0\0\0\x02"
                                        "ab",
                                        10) +
                             tune.mid(14);
    auto source = open(file("extra.mid", extra));
    ASSERT_TRUE(source);
    const std::vector<float> played = SoundFiles::drain(*source);
    EXPECT_GT(peak(played), 0.01f);
    EXPECT_GT(seconds(played), 0.4);
}

TEST_F(Midi, TheSampleTunePlays) {
    auto tune = open(TestUtil::samplesDir() + "/sounds/tune.mid");
    ASSERT_TRUE(tune);
    const auto pcm = SoundFiles::drain(*tune);
    EXPECT_GT(seconds(pcm), 2.3); // 4.75 beats at 120 a minute
    EXPECT_GT(peak(pcm), 0.05f);
}
