#pragma once
// An audio engine for tests that keeps what each voice was given: a voice sounds for as long
// as its buffer lasts in real time, as with a device.
#include "sound/AudioEngine.h"

#include <QElapsedTimer>
#include <QMap>
#include <vector>

class CaptureEngine : public AudioEngine {
  public:
    struct Play {
        QString voice;
        std::shared_ptr<const PcmBuffer> pcm;
        qint64 atMs = 0;
    };

    CaptureEngine() { clock.start(); }
    int sampleRate() const override { return 44100; }
    void play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
              std::size_t = 0) override {
        plays.push_back({voice, pcm, clock.elapsed()});
        m_endsAt[voice] = clock.elapsed() + qint64(pcm->frames()) * 1000 / sampleRate();
    }
    void stop(const QString& voice) override {
        stops.push_back({voice, clock.elapsed()});
        m_endsAt.remove(voice);
    }
    bool isPlaying(const QString& voice) const override {
        return m_endsAt.contains(voice) && clock.elapsed() < m_endsAt.value(voice);
    }

    QElapsedTimer clock;
    std::vector<Play> plays;
    std::vector<std::pair<QString, qint64>> stops;

  private:
    QMap<QString, qint64> m_endsAt;
};
