#pragma once
// Decodes a Wave file (anything libsndfile reads) into stereo float at the engine's rate.
#include "sound/PcmBuffer.h"

#include <QString>
#include <memory>

namespace WaveDecoder {

// The sound in `path` resampled to `rate`, at most MaxSoundSeconds long; nullptr when the
// file cannot be opened or is not audio (a text file named .wav, a cut header).
std::shared_ptr<const PcmBuffer> decode(const QString& path, int rate);

} // namespace WaveDecoder
