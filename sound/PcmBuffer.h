#pragma once
// A decoded sound ready for the mixer: interleaved stereo float samples (left, right, ...)
// at the audio engine's rate. Immutable once built, so the audio thread can read it while
// the GUI thread holds another reference.
#include <cstddef>
#include <vector>

struct PcmBuffer {
    static constexpr int Channels = 2;

    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / Channels; }
    bool empty() const { return samples.empty(); }
};
