#pragma once
// An audio engine for tests that keeps what each voice was given: a voice sounds for as long
// as its buffer lasts in real time, as with a device.
#include "sound/AudioEngine.h"
#include "sound/AudioSource.h"
#include "sound/PcmBuffer.h"

#include <QElapsedTimer>
#include <QMap>
#include <memory>
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
    // Takes the source's frames at once (speech is finite), so a test can look at them.
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override {
        auto pcm = std::make_shared<PcmBuffer>();
        std::vector<float> block(2 * 4096);
        for (std::size_t got = 4096; got == 4096;) {
            got = source->read(block.data(), 4096);
            pcm->samples.insert(pcm->samples.end(), block.begin(), block.begin() + 2 * got);
        }
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
