#pragma once
// A sound that makes its frames on demand: the mixer asks it, from the output's audio thread,
// for the next stretch of interleaved stereo float frames at the engine's rate. Wave files,
// MIDI tunes, finished buffers and spoken text are all sources; memory stays at what a source
// holds for its next few blocks, whatever the sound's length.
#include <cstddef>

class AudioSource {
  public:
    virtual ~AudioSource() = default;

    // Writes up to `frames` frames (2 * frames floats) to `out` and returns how many it
    // wrote. Fewer than asked means the sound has ended; the mixer then never asks again.
    // Runs on the audio thread: it must not wait on the GUI thread. It may throw (an
    // allocation failure): the mixer then ends this sound and goes on with the others.
    virtual std::size_t read(float* out, std::size_t frames) = 0;

    // How long the sound lasts from where it starts, in frames, when known before it is
    // played; -1 when only playing it will tell (a MIDI tune).
    virtual long long lengthFrames() const { return -1; }

    // Whether the next frames can be had at once. A sound made by another thread (speech)
    // may lag behind and fill the gap with silence; an output that runs on its own time
    // rather than the clock's waits for it instead.
    virtual bool ready() const { return true; }
};
