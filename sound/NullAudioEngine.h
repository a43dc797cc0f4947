#pragma once
// A silent engine for headless runs and tests: nothing is heard, but a voice counts as
// playing for as long as its sound would last, so synchronous plays still wait.
#include "sound/AudioEngine.h"

#include <QElapsedTimer>
#include <QHash>

class NullAudioEngine : public AudioEngine {
  public:
    explicit NullAudioEngine(int rate = 44100) : m_rate(rate) {}

    int sampleRate() const override { return m_rate; }
    void play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
              std::size_t startFrame = 0) override;
    void stop(const QString& voice) override;
    bool isPlaying(const QString& voice) const override;

  private:
    struct Voice {
        QElapsedTimer started;
        qint64 durationMs = 0;
    };
    int m_rate;
    QHash<QString, Voice> m_voices;
};
