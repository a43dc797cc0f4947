#pragma once
// A silent engine for when no audio output starts at all: a thread of its own takes the
// voices' frames at the pace a device would and throws them away, so sounds last as long as
// they would be heard and synchronous plays still wait.
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"

#include <atomic>
#include <thread>

class NullAudioEngine : public AudioEngine {
  public:
    explicit NullAudioEngine(int rate = 44100);
    ~NullAudioEngine() override;

    int sampleRate() const override { return m_mixer.sampleRate(); }
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override;
    void stop(const QString& voice) override;
    bool isPlaying(const QString& voice) const override;
    bool stalled() const override;

  private:
    static constexpr int StallMs = 2000;
    void run();

    Mixer m_mixer;
    std::atomic<bool> m_quit{false};
    std::thread m_thread;
};
