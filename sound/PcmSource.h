#pragma once
// Plays a finished buffer: the simple way to hand the mixer a sound made beforehand.
#include "sound/AudioSource.h"
#include "sound/PcmBuffer.h"

#include <memory>

class PcmSource : public AudioSource {
  public:
    // Plays `pcm` from `startFrame` (past the end: plays nothing).
    explicit PcmSource(std::shared_ptr<const PcmBuffer> pcm, std::size_t startFrame = 0);

    std::size_t read(float* out, std::size_t frames) override;
    long long lengthFrames() const override;

  private:
    std::shared_ptr<const PcmBuffer> m_pcm;
    std::size_t m_position;
};
