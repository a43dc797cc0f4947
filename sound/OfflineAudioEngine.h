#pragma once
// An output that is no device: the voices are mixed only when render() asks for the next
// frames, and time for the voices is the frames rendered so far, not the clock. A recording
// made with it has every sound exactly where it would be heard, however fast or slowly the
// recording runs.
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"

class OfflineAudioEngine : public AudioEngine {
  public:
    // A sound made by another thread (speech) that keeps render() waiting longer than this
    // is taken as it is: silence where it lags.
    static constexpr int MaxWaitMs = 10000;

    explicit OfflineAudioEngine(int rate = 48000);

    int sampleRate() const override { return m_mixer.sampleRate(); }
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override;
    void stop(const QString& voice) override;
    bool isPlaying(const QString& voice) const override;

    // Mixes the next `frames` frames into `out` (interleaved stereo), first waiting until
    // every voice can give them.
    void render(float* out, std::size_t frames);
    // Frames rendered so far: the output's time.
    long long renderedFrames() const { return m_frames; }

  private:
    Mixer m_mixer;
    long long m_frames = 0;
};
