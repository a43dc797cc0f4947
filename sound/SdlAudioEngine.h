#pragma once
// The audio output on SDL: one device whose callback has the mixer fill each buffer from the
// voices' sources.
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"

class SdlAudioEngine : public AudioEngine {
  public:
    // Frames per callback; also the most the device lags behind a play() or stop() call.
    static constexpr int BufferFrames = 1024;
    // A device that has taken no buffer for this long counts as stalled.
    static constexpr int StallMs = 2000;

    // Opens the default device; when none opens, restarts SDL's audio on its dummy driver and
    // says so once on stderr. nullptr when SDL's audio cannot start at all.
    static std::unique_ptr<SdlAudioEngine> open();
    ~SdlAudioEngine() override;

    int sampleRate() const override { return m_rate; }
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override;
    void stop(const QString& voice) override;
    bool isPlaying(const QString& voice) const override;
    bool stalled() const override;

    // The SDL driver in use ("alsa", "pulseaudio", "disk", "dummy", ...).
    QString driverName() const;

  private:
    SdlAudioEngine() = default;
    static void callback(void* self, unsigned char* stream, int bytes);

    unsigned m_device = 0;
    int m_rate = 0;
    std::unique_ptr<Mixer> m_mixer;
};
