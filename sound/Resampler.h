#pragma once
// Converts decoded audio to the engine's layout: stereo float at the engine's rate.
#include "sound/PcmBuffer.h"

#include <vector>

namespace Resampler {

// `interleaved` holds frames of `channels` samples at `fromRate`. Mono is sent to both sides;
// of more than two channels the first two are kept. Returns stereo at `toRate` (empty on
// invalid channel counts or rates outside 1000 to 768000 Hz).
PcmBuffer toStereo(const std::vector<float>& interleaved, int channels, int fromRate, int toRate);

} // namespace Resampler
