#include "sound/NullAudioEngine.h"

#include <chrono>
#include <vector>

namespace {

constexpr std::size_t BufferFrames = 1024;

} // namespace

NullAudioEngine::NullAudioEngine(int rate) : m_mixer(rate), m_thread([this] { run(); }) {}

NullAudioEngine::~NullAudioEngine() {
    m_quit = true;
    m_thread.join();
}

void NullAudioEngine::play(const QString& voice, std::unique_ptr<AudioSource> source) {
    m_mixer.play(voice, std::move(source));
}

void NullAudioEngine::stop(const QString& voice) {
    m_mixer.stop(voice);
}

bool NullAudioEngine::isPlaying(const QString& voice) const {
    return m_mixer.isPlaying(voice);
}

bool NullAudioEngine::stalled() const {
    return m_mixer.idleFor(StallMs);
}

void NullAudioEngine::run() {
    std::vector<float> buffer(BufferFrames * 2);
    const auto period =
        std::chrono::microseconds(BufferFrames * 1000000 / std::size_t(m_mixer.sampleRate()));
    auto next = std::chrono::steady_clock::now();
    while (!m_quit) {
        m_mixer.mix(buffer.data(), BufferFrames);
        next += period;
        std::this_thread::sleep_until(next);
    }
}
