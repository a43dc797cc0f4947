#pragma once
// The audio output on SDL: one device, its callback mixing every voice that still has
// samples. Voices are guarded by the device lock, which SDL also holds around the callback.
#include "sound/AudioEngine.h"

#include <chrono>
#include <vector>

class SdlAudioEngine : public AudioEngine {
  public:
    // Frames per callback; also the most the device lags behind a play() call.
    static constexpr int BufferFrames = 1024;

    // Opens the default device; when none opens, restarts SDL's audio on its dummy driver and
    // says so once on stderr. nullptr when SDL's audio cannot start at all.
    static std::unique_ptr<SdlAudioEngine> open();
    ~SdlAudioEngine() override;

    int sampleRate() const override { return m_rate; }
    void play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
              std::size_t startFrame = 0) override;
    void stop(const QString& voice) override;
    bool isPlaying(const QString& voice) const override;

    // The SDL driver in use ("alsa", "pulseaudio", "disk", "dummy", ...).
    QString driverName() const;

  private:
    struct Voice {
        QString name;
        std::shared_ptr<const PcmBuffer> pcm;
        std::size_t position = 0;
        // When the buffer that took the voice's last samples will have played them.
        std::chrono::steady_clock::time_point endsAt{};
    };

    SdlAudioEngine() = default;
    static void callback(void* self, unsigned char* stream, int bytes);
    void mix(float* out, std::size_t frames);
    Voice* find(const QString& name);

    unsigned m_device = 0;
    int m_rate = 0;
    std::vector<Voice> m_voices;
};
