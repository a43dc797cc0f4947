#pragma once
// The audio output: named voices mixed onto one device. A voice plays one PCM buffer from
// its start; starting a voice again cuts what it played. Voices sound at the same time.
// All calls come from the GUI thread; implementations mix on their own audio thread.
#include "sound/PcmBuffer.h"

#include <QString>
#include <memory>

class AudioEngine {
  public:
    virtual ~AudioEngine() = default;

    // Frames per second that buffers given to play() must have.
    virtual int sampleRate() const = 0;

    // Starts `pcm` on `voice` at `startFrame`, replacing what the voice played.
    virtual void play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
                      std::size_t startFrame = 0) = 0;
    // Silences `voice` and lets go of its buffer. An unknown voice is ignored.
    virtual void stop(const QString& voice) = 0;
    // True until the device has taken the voice's last sample and played it out.
    virtual bool isPlaying(const QString& voice) const = 0;

    // The SDL output, falling back to SDL's dummy driver when no device opens, and to the
    // silent NullAudioEngine when SDL's audio cannot start at all.
    static std::unique_ptr<AudioEngine> create();
};
