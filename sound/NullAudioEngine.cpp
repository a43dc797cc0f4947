#include "sound/NullAudioEngine.h"

void NullAudioEngine::play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
                           std::size_t startFrame) {
    const std::size_t frames = pcm ? pcm->frames() : 0;
    const std::size_t left = startFrame < frames ? frames - startFrame : 0;
    Voice v;
    v.started.start();
    v.durationMs = qint64(left * 1000 / std::size_t(m_rate));
    m_voices.insert(voice, v);
}

void NullAudioEngine::stop(const QString& voice) {
    m_voices.remove(voice);
}

bool NullAudioEngine::isPlaying(const QString& voice) const {
    const auto it = m_voices.constFind(voice);
    return it != m_voices.constEnd() && it->started.elapsed() < it->durationMs;
}
