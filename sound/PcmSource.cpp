#include "sound/PcmSource.h"

#include <algorithm>

PcmSource::PcmSource(std::shared_ptr<const PcmBuffer> pcm, std::size_t startFrame)
    : m_pcm(std::move(pcm)), m_position(startFrame) {}

std::size_t PcmSource::read(float* out, std::size_t frames) {
    const std::size_t total = m_pcm ? m_pcm->frames() : 0;
    if (m_position >= total) return 0;
    const std::size_t n = std::min(frames, total - m_position);
    const float* from = m_pcm->samples.data() + m_position * PcmBuffer::Channels;
    std::copy(from, from + n * PcmBuffer::Channels, out);
    m_position += n;
    return n;
}

long long PcmSource::lengthFrames() const {
    const std::size_t total = m_pcm ? m_pcm->frames() : 0;
    return m_position < total ? static_cast<long long>(total - m_position) : 0;
}
