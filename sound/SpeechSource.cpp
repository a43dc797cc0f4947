#include "sound/SpeechSource.h"

#include <algorithm>

bool SpeechSource::ready() const {
    return (m_block && m_position < m_block->frames()) || m_queue.ready(m_utterance);
}

std::size_t SpeechSource::read(float* out, std::size_t frames) {
    std::size_t done = 0;
    while (done < frames) {
        if (!m_block || m_position >= m_block->frames()) {
            m_block = m_queue.pop(m_utterance);
            m_position = 0;
            if (!m_block) break;
        }
        const std::size_t n = std::min(frames - done, m_block->frames() - m_position);
        const float* from = m_block->samples.data() + m_position * PcmBuffer::Channels;
        std::copy(from, from + n * PcmBuffer::Channels, out + done * PcmBuffer::Channels);
        m_position += n;
        done += n;
    }
    if (done < frames && m_queue.pending(m_utterance)) {
        // The synthesis is behind (at the start, or on a slow machine): wait in silence.
        std::fill(out + done * PcmBuffer::Channels, out + frames * PcmBuffer::Channels, 0.0f);
        return frames;
    }
    return done;
}
