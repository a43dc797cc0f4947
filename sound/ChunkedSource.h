#pragma once
// A source that makes its sound in chunks of its own size (a decoder's block, a synthesiser's
// run) and hands them out in whatever sizes the mixer asks for. Only the chunk not yet handed
// out is kept.
#include "sound/AudioSource.h"

#include <vector>

class ChunkedSource : public AudioSource {
  public:
    std::size_t read(float* out, std::size_t frames) final;

  protected:
    // Appends the next stretch of sound (interleaved stereo) to `out`. False when the sound
    // has ended; what it appended before returning false is still played.
    virtual bool produce(std::vector<float>& out) = 0;

    // Makes the first chunk ahead of playing, so that a sound without a single frame is
    // found at once and the first read has its frames ready. False: no sound at all.
    bool prime();
    // Drops what was made but not handed out (used when a source repositions).
    void discardPending();

  private:
    bool fill(std::size_t frames);

    std::vector<float> m_pending;
    std::size_t m_taken = 0; // floats of m_pending already handed out
    bool m_ended = false;
};
