#include "sound/Resampler.h"

#include <SDL.h>

#include <algorithm>

std::unique_ptr<Resampler> Resampler::create(int channels, int fromRate, int toRate) {
    const auto usable = [](int rate) { return rate >= MinRate && rate <= MaxRate; };
    if (channels < 1 || !usable(fromRate) || !usable(toRate)) return nullptr;
    std::unique_ptr<Resampler> r(new Resampler(channels, fromRate, toRate));
    if (fromRate != toRate) {
        r->m_stream = SDL_NewAudioStream(AUDIO_F32SYS, 2, fromRate, AUDIO_F32SYS, 2, toRate);
        if (!r->m_stream) return nullptr;
    }
    return r;
}

Resampler::Resampler(int channels, int fromRate, int toRate)
    : m_channels(channels), m_fromRate(fromRate), m_toRate(toRate) {}

Resampler::~Resampler() {
    if (m_stream) SDL_FreeAudioStream(m_stream);
}

bool Resampler::push(const float* interleaved, std::size_t frames, std::vector<float>& out) {
    m_stereo.resize(frames * 2);
    for (std::size_t f = 0; f < frames; ++f) {
        const float* src = interleaved + f * static_cast<std::size_t>(m_channels);
        m_stereo[2 * f] = src[0];
        m_stereo[2 * f + 1] = m_channels == 1 ? src[0] : src[1];
    }
    m_framesIn += static_cast<long long>(frames);
    if (!m_stream) {
        out.insert(out.end(), m_stereo.begin(), m_stereo.end());
        m_framesOut += static_cast<long long>(frames);
        return true;
    }
    if (SDL_AudioStreamPut(m_stream, m_stereo.data(), static_cast<int>(m_stereo.size() * 4)) != 0)
        return false;
    return drain(out);
}

bool Resampler::finish(std::vector<float>& out) {
    if (!m_stream) return true;
    // The resampler keeps its look-ahead back even when flushed, which would cut the sound's
    // tail: feed silence after the sound, then keep only the sound's own length. The
    // look-ahead is some hundred frames, times the ratio of the rates when going down; the
    // silence is twice that, rounded up.
    //
    // The silence goes in a block at a time, and only until the sound's own frames are out:
    // frames the stream has made no longer change with what follows them, so the rest of the
    // silence would only be resampled to be cut off again.
    const int down = (m_fromRate + m_toRate - 1) / m_toRate;
    const std::size_t padFrames = 1024 + 1024 * static_cast<std::size_t>(down);
    const long long expected =
        (m_framesIn * m_toRate + m_fromRate / 2) / static_cast<long long>(m_fromRate);
    static const float silence[2 * 1024] = {};
    for (std::size_t fed = 0; fed < padFrames; fed += 1024) {
        if (m_framesOut + SDL_AudioStreamAvailable(m_stream) / 8 >= expected) break;
        if (SDL_AudioStreamPut(m_stream, silence, static_cast<int>(sizeof silence)) != 0)
            return false;
    }
    SDL_AudioStreamFlush(m_stream);
    const std::size_t before = out.size();
    // Only the sound's own frames are taken: at a low input rate the padding would come out
    // as many times its length.
    if (expected > m_framesOut && !drain(out, expected - m_framesOut)) return false;
    // Frames beyond the sound's own length are the padding's.
    const long long extra = m_framesOut - expected;
    if (extra > 0) {
        const std::size_t cut = std::min(out.size() - before, static_cast<std::size_t>(extra) * 2);
        out.resize(out.size() - cut);
        m_framesOut -= static_cast<long long>(cut / 2);
    }
    return true;
}

bool Resampler::drain(std::vector<float>& out, long long maxFrames) {
    int available = SDL_AudioStreamAvailable(m_stream);
    if (available <= 0) return available == 0;
    if (maxFrames >= 0 && maxFrames < available / 8) available = int(maxFrames * 8);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(available) / sizeof(float));
    const int got = SDL_AudioStreamGet(m_stream, out.data() + at, available);
    if (got < 0) {
        out.resize(at);
        return false;
    }
    const std::size_t frames = static_cast<std::size_t>(got) / sizeof(float) / 2;
    out.resize(at + frames * 2);
    // A band-limited filter overshoots on full-scale input near the top of the band (by half
    // again and more); every source hands on samples within full scale.
    for (std::size_t i = at; i < out.size(); ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    m_framesOut += static_cast<long long>(frames);
    return true;
}
