#include "sound/OfflineAudioEngine.h"

#include <QElapsedTimer>
#include <thread>

OfflineAudioEngine::OfflineAudioEngine(int rate) : m_mixer(rate) {
    // A voice is heard to its end when the rendered frames have passed it.
    m_mixer.setClock([this] {
        return std::chrono::steady_clock::time_point(
            std::chrono::microseconds(m_frames * 1000000 / m_mixer.sampleRate()));
    });
}

void OfflineAudioEngine::play(const QString& voice, std::unique_ptr<AudioSource> source) {
    m_mixer.play(voice, std::move(source));
}

void OfflineAudioEngine::stop(const QString& voice) {
    m_mixer.stop(voice);
}

bool OfflineAudioEngine::isPlaying(const QString& voice) const {
    return m_mixer.isPlaying(voice);
}

void OfflineAudioEngine::render(float* out, std::size_t frames) {
    // Speech is made on a thread of its own; a device would play silence where it lags, a
    // recording waits for it, so that it sounds where it would on a fast machine.
    QElapsedTimer waited;
    waited.start();
    while (!m_mixer.sourcesReady() && waited.elapsed() < MaxWaitMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_mixer.mix(out, frames);
    m_frames += static_cast<long long>(frames);
}
