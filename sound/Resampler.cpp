#include "sound/Resampler.h"

#include <SDL.h>

#include <algorithm>
#include <memory>

namespace Resampler {

namespace {

std::vector<float> toStereoFrames(const std::vector<float>& in, int channels) {
    const std::size_t frames = in.size() / static_cast<std::size_t>(channels);
    std::vector<float> out(frames * PcmBuffer::Channels);
    for (std::size_t f = 0; f < frames; ++f) {
        const float* src = &in[f * channels];
        out[2 * f] = src[0];
        out[2 * f + 1] = channels == 1 ? src[0] : src[1];
    }
    return out;
}

// Rates a Wave may carry. Beyond these the header is damaged: SDL's resampler overflows its
// own sizes above about 4 MHz, and a rate of a few hertz would be stretched to minutes of
// output at a crawl.
constexpr int MinRate = 1000;
constexpr int MaxRate = 768000;

struct StreamDeleter {
    void operator()(SDL_AudioStream* s) const { SDL_FreeAudioStream(s); }
};

} // namespace

PcmBuffer toStereo(const std::vector<float>& interleaved, int channels, int fromRate, int toRate) {
    PcmBuffer result;
    const auto usable = [](int rate) { return rate >= MinRate && rate <= MaxRate; };
    if (channels < 1 || !usable(fromRate) || !usable(toRate) || interleaved.empty()) return result;
    std::vector<float> stereo = toStereoFrames(interleaved, channels);
    if (fromRate == toRate) {
        result.samples = std::move(stereo);
        return result;
    }

    std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(SDL_NewAudioStream(
        AUDIO_F32SYS, PcmBuffer::Channels, fromRate, AUDIO_F32SYS, PcmBuffer::Channels, toRate));
    if (!stream) return result;
    const std::size_t frames = stereo.size() / PcmBuffer::Channels;
    const auto expected = std::size_t(double(frames) * toRate / fromRate + 0.5);
    // The resampler keeps its look-ahead back even when flushed, which would cut the sound's
    // tail: feed silence after the sound, then keep only the sound's own length.
    stereo.resize(stereo.size() + (4096 + std::size_t(fromRate) / 10) * PcmBuffer::Channels);
    // Fed in slices: SDL takes an int byte count.
    constexpr std::size_t Slice = 1 << 18;
    for (std::size_t at = 0; at < stereo.size(); at += Slice) {
        const std::size_t n = std::min(Slice, stereo.size() - at);
        if (SDL_AudioStreamPut(stream.get(), stereo.data() + at, int(n * sizeof(float))) != 0)
            return result;
    }
    SDL_AudioStreamFlush(stream.get());
    const int available = SDL_AudioStreamAvailable(stream.get());
    result.samples.resize(std::size_t(available) / sizeof(float));
    const int got = SDL_AudioStreamGet(stream.get(), result.samples.data(), available);
    const std::size_t gotFrames =
        got > 0 ? std::size_t(got) / sizeof(float) / PcmBuffer::Channels : 0;
    result.samples.resize(std::min(gotFrames, expected) * PcmBuffer::Channels);
    return result;
}

} // namespace Resampler
