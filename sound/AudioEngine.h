#pragma once
// The audio output: named voices mixed onto one device. A voice plays one source (a sound
// made on demand, see AudioSource) from its start; starting a voice again cuts what it
// played. Voices sound at the same time. All calls come from the GUI thread; implementations
// ask the sources for frames on their own audio thread.
#include "sound/AudioSource.h"

#include <QString>
#include <functional>
#include <memory>

class AudioEngine {
  public:
    virtual ~AudioEngine() = default;

    // Frames per second that sources given to play() must produce.
    virtual int sampleRate() const = 0;

    // Starts `source` on `voice`, replacing what the voice played; heard from the next
    // output buffer.
    virtual void play(const QString& voice, std::unique_ptr<AudioSource> source) = 0;
    // Silences `voice` from the next output buffer and lets go of its source. An unknown
    // voice is ignored.
    virtual void stop(const QString& voice) = 0;
    // True until the voice's source has ended and the device has played its last frames.
    virtual bool isPlaying(const QString& voice) const = 0;
    // True when the device has taken no buffer for a while: what plays will not end.
    virtual bool stalled() const { return false; }

    // The SDL output, falling back to SDL's dummy driver when no device opens, and to the
    // silent NullAudioEngine when SDL's audio cannot start at all.
    static std::unique_ptr<AudioEngine> create();
    // Makes create() build engines with `factory` from now on (an empty one restores the
    // device): a program that renders sound to a file instead of a device sets it before
    // the first sound.
    static void setFactory(std::function<std::unique_ptr<AudioEngine>()> factory);
};
