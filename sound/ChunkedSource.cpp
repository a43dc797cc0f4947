#include "sound/ChunkedSource.h"

#include <algorithm>

bool ChunkedSource::fill(std::size_t frames) {
    while (!m_ended && m_pending.size() - m_taken < frames * 2) {
        // Handed-out samples are dropped before more are made, so the buffer never grows
        // beyond one chunk and one request.
        if (m_taken > 0) {
            m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(m_taken));
            m_taken = 0;
        }
        if (!produce(m_pending)) m_ended = true;
    }
    return m_pending.size() > m_taken;
}

bool ChunkedSource::prime() {
    return fill(1);
}

void ChunkedSource::discardPending() {
    m_pending.clear();
    m_taken = 0;
}

std::size_t ChunkedSource::read(float* out, std::size_t frames) {
    fill(frames);
    const std::size_t n = std::min(frames, (m_pending.size() - m_taken) / 2);
    std::copy_n(m_pending.begin() + std::ptrdiff_t(m_taken), n * 2, out);
    m_taken += n * 2;
    return n;
}
