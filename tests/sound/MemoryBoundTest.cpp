// What playing a sound costs in memory, counted by the address sanitizer's allocation hooks:
// a sound holds its stream's buffers, never room for its whole length, whatever its header
// declares.
#include "sound/MciInterpreter.h"
#include "sound/MidiFile.h"
#include "sound/MidiSource.h"
#include "sound/NullAudioEngine.h"
#include "sound/SoundFont.h"
#include "sound/WaveSource.h"

#include "tests/sound/SoundFiles.h"

#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <pthread.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, std::size_t),
                                              void (*)(const volatile void*));
std::size_t __sanitizer_get_allocated_size(const volatile void*);
}
#endif

namespace {

// Live bytes allocated by the test's thread since start(), their peak and the largest single
// allocation. Other threads (a spare synthesiser made ahead) are not the sound's.
struct AllocationCount {
    static inline std::atomic<bool> counting{false};
    static inline std::atomic<pthread_t> thread{};
    static inline std::atomic<long long> live{0};
    static inline std::atomic<long long> peak{0};
    static inline std::atomic<long long> largest{0};

    static bool available() {
#if defined(__SANITIZE_ADDRESS__)
        static const bool installed =
            __sanitizer_install_malloc_and_free_hooks(&onMalloc, &onFree) != 0;
        return installed;
#else
        return false;
#endif
    }
    static void start() {
        live = peak = largest = 0;
        thread = pthread_self();
        counting = true;
    }
    static void stop() {
        counting = false;
    }

    static bool mine() {
        return counting && pthread_equal(thread.load(), pthread_self());
    }
    static void onMalloc(const volatile void*, std::size_t size) {
        if (!mine()) return;
        const long long now = live += (long long)size;
        long long p = peak;
        while (now > p && !peak.compare_exchange_weak(p, now)) {
        }
        long long l = largest;
        while ((long long)size > l && !largest.compare_exchange_weak(l, (long long)size)) {
        }
    }
    static void onFree(const volatile void* ptr) {
#if defined(__SANITIZE_ADDRESS__)
        if (mine() && ptr) live -= (long long)__sanitizer_get_allocated_size(ptr);
#else
        (void)ptr;
#endif
    }
};

constexpr long long MB = 1024 * 1024;

// Plays `source` for `seconds` at 44100 Hz the way the mixer does, keeping nothing.
void play(AudioSource& source, int seconds) {
    std::vector<float> buffer(2 * 1024);
    for (int i = 0; i < seconds * 44100 / 1024; ++i)
        if (source.read(buffer.data(), 1024) < 1024) break;
}

struct MemoryBound : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override {
        if (!AllocationCount::available()) GTEST_SKIP() << "needs the address sanitizer";
    }
    void TearDown() override { AllocationCount::stop(); }
    QString file(const QString& name, const QByteArray& bytes) {
        SoundFiles::write(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
};

} // namespace

TEST_F(MemoryBound, ATinyFileDeclaringDaysOfSoundReservesNothingForThem) {
    // 152 bytes of FLAC named .wav that declare 2^36 frames of eight channels at 768 kHz.
    const QString path =
        file("days.wav", SoundFiles::flacDeclaring((1LL << 36) - 1, 768000, 8, 152));
    MciInterpreter mci([] { return std::make_unique<NullAudioEngine>(); });
    mci.engine();
    AllocationCount::start();
    EXPECT_EQ(mci.send(QStringLiteral("open \"%1\" type waveaudio alias A wait").arg(path)),
              MciInterpreter::InvalidFile);
    AllocationCount::stop();
    EXPECT_LT(AllocationCount::largest, 8 * MB);
    EXPECT_LT(AllocationCount::peak, 16 * MB);
}

TEST_F(MemoryBound, ALongWaveHoldsItsBuffersNotItsLength) {
    // 20 seconds of 48 kHz stereo: 7.7 MB once decoded and resampled whole.
    const QString path = file("long.wav", SoundFiles::levelWave(0.2, 20000, 48000, 2));
    AllocationCount::start();
    auto source = WaveSource::open(path, 44100);
    ASSERT_TRUE(source);
    play(*source, 20);
    EXPECT_LT(AllocationCount::peak, 1 * MB);
}

TEST_F(MemoryBound, ALongTuneHoldsItsSynthesiserNotItsLength) {
    const auto font = SoundFont::shared();
    if (!font) GTEST_SKIP() << "no General MIDI SoundFont";
    const QString path = file("long.mid", SoundFiles::longTune(180));
    AllocationCount::start();
    auto source = MidiSource::open(MidiFile::read(path), 44100, font);
    ASSERT_TRUE(source);
    const long long opened = AllocationCount::peak;
    play(*source, 30); // 30 seconds: 10 MB once rendered whole
    EXPECT_LT(AllocationCount::peak - opened, 1 * MB);
    EXPECT_LT(opened, 8 * MB) << "the synthesiser and the tune's events";
}
