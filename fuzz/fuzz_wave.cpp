// Wave files of any content: opening must refuse them or decode them block by block, without
// reading past a buffer, with every sample a number within full scale (the resampler included) and
// memory bounded by the stream's blocks (libFuzzer's -rss_limit_mb catches a reservation for a
// declared length). The file is opened from its start and, for some inputs, part-way in, as
// "play ... from" does.
#include "fuzz/FuzzCheck.h"
#include "sound/WaveSource.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

// At most this much output per opening: a few bytes of FLAC can describe days of sound, and
// how long a sound may play is the mixer's limit, not the decoder's. Two seconds show the
// decoder and the resampler running on; a few blocks show everything else, at a twentieth
// of the cost, so most inputs get the few blocks and one in sixteen (by size) the two seconds.
constexpr std::size_t LongFrames = 44100 * 2;
constexpr std::size_t ShortFrames = 1024 * 2;

void play(WaveSource& source, std::size_t maxFrames) {
    std::vector<float> block(2 * 1024);
    for (std::size_t frames = 0; frames < maxFrames; frames += 1024) {
        const std::size_t got = source.read(block.data(), 1024);
        K41_FUZZ_CHECK(got <= 1024);
        for (std::size_t i = 0; i < 2 * got; ++i)
            K41_FUZZ_CHECK(std::isfinite(block[i]) && std::abs(block[i]) <= 1.0f);
        if (got < 1024) return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is opened by name, as a sound file is: a file in memory, rewritten for each
    // input, spares every input a round through the disk's file system.
    static const int fd = memfd_create("input.wav", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    K41_FUZZ_CHECK(fd >= 0 && ftruncate(fd, 0) == 0);
    K41_FUZZ_CHECK(pwrite(fd, data, size, 0) == ssize_t(size));

    // Opening part-way in costs a second decoder; one input in four (by size) tries it. The
    // resampler's work grows with the output rate: most inputs play at a low rate, the same
    // code at a quarter of the cost, and one in four at the usual device rate.
    const int rate = fuzzSampled(size % 4 == 2) ? 44100 : 11025;
    for (long long startMs : {0LL, 250LL}) {
        if (startMs > 0 && !fuzzSampled(size % 4 == 1)) continue;
        SourceError error = SourceError::None;
        auto source = WaveSource::open(path, rate, startMs, &error);
        K41_FUZZ_CHECK(bool(source) == (error == SourceError::None));
        if (!source) continue;
        K41_FUZZ_CHECK(source->lengthFrames() >= 0);
        play(*source, fuzzSampled(size % 16 == 0) ? LongFrames : ShortFrames);
    }
    return 0;
}
