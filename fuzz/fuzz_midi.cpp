// MIDI files of any content, bare or in an RMID wrapper: the file reader must refuse them or
// hand FluidSynth a tune whose header it checked, and the tune must play (its first blocks or
// seconds, from its start or part-way in, for a quarter of the inputs) without reading past a
// buffer and with every sample a number. The SoundFont is loaded once for the whole run.
#include "fuzz/FuzzCheck.h"
#include "sound/MidiFile.h"
#include "sound/MidiSource.h"
#include "sound/SoundFont.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The lowest rate FluidSynth renders at keeps each input quick. Two seconds of a tune show
// the player running on; a few blocks show the rest at an eighth of the cost, so most tunes
// played get the few blocks and one in four of those from the start the two seconds.
constexpr int Rate = 8000;
constexpr std::size_t LongFrames = Rate * 2;
constexpr std::size_t ShortFrames = 1024 * 2;

void play(MidiSource& source, std::size_t maxFrames) {
    std::vector<float> block(2 * 1024);
    for (std::size_t frames = 0; frames < maxFrames; frames += 1024) {
        const std::size_t got = source.read(block.data(), 1024);
        K41_FUZZ_CHECK(got <= 1024);
        for (std::size_t i = 0; i < 2 * got; ++i)
            K41_FUZZ_CHECK(std::isfinite(block[i]));
        if (got < 1024) return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::shared_ptr<SoundFont> font = SoundFont::shared();
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.size() > MidiFile::MaxFileBytes) return 0;
    const QByteArray smf = MidiFile::standardMidi(bytes);
    if (smf.isEmpty()) return 0;
    K41_FUZZ_CHECK(smf.startsWith("MThd") && smf.size() <= bytes.size());
    for (int tempo : {1, 500000, 0xffffff})
        K41_FUZZ_CHECK(std::isfinite(MidiFile::ticksPerMs(smf, tempo)));
    if (!font) return 0;

    // Each opening costs a new synthesiser, many times the checks above: by size, one input
    // in eight plays from the start, one in eight part-way in, and the others stop here.
    for (long long startMs : {0LL, 700LL}) {
        if (!fuzzSampled(size % 8 == (startMs == 0 ? 0 : 1))) continue;
        SourceError error = SourceError::None;
        auto source = MidiSource::open(smf, Rate, font, startMs, &error);
        K41_FUZZ_CHECK(bool(source) == (error == SourceError::None));
        if (source) play(*source, fuzzSampled(size % 32 == 0) ? LongFrames : ShortFrames);
        // Taking a synthesiser starts making the next one on a thread; an input that ended
        // before it would look to libFuzzer like a leak, and be run again and the whole heap
        // scanned for it.
        font->waitForSpare();
    }
    return 0;
}
