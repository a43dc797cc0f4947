#pragma once
// Converts decoded audio, block by block, to the engine's layout: stereo float at the
// engine's rate. Mono is sent to both sides; of more than two channels the first two are kept.
#include <memory>
#include <vector>

struct _SDL_AudioStream;

class Resampler {
  public:
    // Rates a sound may carry. Beyond these a header is damaged: SDL's resampler overflows its
    // own sizes above about 4 MHz, and a rate of a few hertz would stretch a short file into
    // minutes of output.
    static constexpr int MinRate = 1000;
    static constexpr int MaxRate = 768000;

    // nullptr for a channel count below 1 or a rate outside MinRate to MaxRate.
    static std::unique_ptr<Resampler> create(int channels, int fromRate, int toRate);
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Takes `frames` frames of `channels` interleaved samples and appends to `out` the stereo
    // frames ready so far. False when the conversion fails.
    bool push(const float* interleaved, std::size_t frames, std::vector<float>& out);
    // The input has ended: appends the rest, so that the output holds the input's whole
    // length at the new rate, its tail included.
    bool finish(std::vector<float>& out);

  private:
    Resampler(int channels, int fromRate, int toRate);
    // Appends what the stream holds, at most `maxFrames` frames when not negative.
    bool drain(std::vector<float>& out, long long maxFrames = -1);

    int m_channels;
    int m_fromRate;
    int m_toRate;
    _SDL_AudioStream* m_stream = nullptr; // null when the rates are equal
    long long m_framesIn = 0;
    long long m_framesOut = 0;
    std::vector<float> m_stereo;
};
