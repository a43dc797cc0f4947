#include "sound/Mixer.h"

#include <algorithm>
#include <cmath>

Mixer::Mixer(int rate)
    : m_rate(rate), m_lastMix(std::chrono::steady_clock::now().time_since_epoch().count()) {
    // Room for the usual output buffer, so the audio thread seldom has to allocate.
    m_scratch.resize(4096 * 2);
}

Mixer::~Mixer() = default;

Mixer::Voice* Mixer::find(const QString& name) {
    const auto it = std::find_if(m_voices.begin(), m_voices.end(),
                                 [&](const Voice& v) { return v.name == name; });
    return it == m_voices.end() ? nullptr : &*it;
}

void Mixer::play(const QString& voice, std::unique_ptr<AudioSource> source) {
    std::unique_ptr<AudioSource> previous;
    {
        std::lock_guard lock(m_mutex);
        Voice* v = find(voice);
        if (!v) {
            m_voices.push_back(Voice{voice, nullptr});
            v = &m_voices.back();
        }
        previous = std::exchange(v->source, std::move(source));
        v->played = 0;
        v->ended = !v->source;
        v->endsAt = {};
    }
    // `previous` is destroyed here, outside the lock: the audio thread never waits on it.
}

void Mixer::stop(const QString& voice) {
    std::unique_ptr<AudioSource> previous;
    std::lock_guard lock(m_mutex);
    if (Voice* v = find(voice)) {
        previous = std::move(v->source);
        v->ended = true;
        v->endsAt = {};
    }
    // Destroyed after the lock is released (declared before it).
}

bool Mixer::isPlaying(const QString& voice) const {
    std::lock_guard lock(m_mutex);
    const auto it = std::find_if(m_voices.begin(), m_voices.end(),
                                 [&](const Voice& v) { return v.name == voice; });
    if (it == m_voices.end() || !it->source) return false;
    return !it->ended || now() < it->endsAt;
}

std::chrono::steady_clock::time_point Mixer::now() const {
    return m_clock ? m_clock() : std::chrono::steady_clock::now();
}

bool Mixer::sourcesReady() const {
    std::lock_guard lock(m_mutex);
    return std::all_of(m_voices.begin(), m_voices.end(),
                       [](const Voice& v) { return v.ended || !v.source || v.source->ready(); });
}

bool Mixer::idleFor(int ms) const {
    const auto last =
        std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(m_lastMix));
    return std::chrono::steady_clock::now() - last > std::chrono::milliseconds(ms);
}

void Mixer::mix(float* out, std::size_t frames) noexcept {
    m_lastMix = std::chrono::steady_clock::now().time_since_epoch().count();
    std::fill(out, out + frames * 2, 0.0f);
    std::lock_guard lock(m_mutex);
    for (Voice& v : m_voices) {
        if (!v.source || v.ended) continue;
        try {
            mixVoice(v, out, frames);
        } catch (...) {
            // A source that cannot go on (out of memory) is that sound ending, nothing more.
            v.ended = true;
        }
    }
    for (std::size_t i = 0; i < frames * 2; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void Mixer::mixVoice(Voice& v, float* out, std::size_t frames) {
    if (m_scratch.size() < frames * 2) m_scratch.resize(frames * 2);
    const long long cap = static_cast<long long>(MaxPlaySeconds) * m_rate;
    const std::size_t want = static_cast<std::size_t>(
        std::min<long long>(static_cast<long long>(frames), cap - v.played));
    const std::size_t got = std::min(want, v.source->read(m_scratch.data(), want));
    for (std::size_t i = 0; i < got * 2; ++i) {
        const float s = m_scratch[i];
        // Not-a-number would stick to every later sum; infinity would clip the whole output.
        if (std::isfinite(s)) out[i] += s;
    }
    v.played += static_cast<long long>(got);
    if (got < frames) {
        v.ended = true;
        // This buffer starts playing about now; its part of the voice has been heard after
        // `got` frames.
        v.endsAt =
            now() + std::chrono::microseconds(static_cast<long long>(got) * 1000000 / m_rate);
    }
}
