#include "sound/SpeechQueue.h"

quint64 SpeechQueue::restart() {
    std::lock_guard guard(m_mutex);
    m_blocks.clear();
    m_queuedFrames = 0;
    m_finished = false;
    ++m_utterance;
    m_room.notify_all();
    return m_utterance;
}

void SpeechQueue::drop() {
    std::lock_guard guard(m_mutex);
    m_blocks.clear();
    m_queuedFrames = 0;
    m_finished = true;
    ++m_utterance;
    m_room.notify_all();
}

bool SpeechQueue::current(quint64 utterance) const {
    std::lock_guard guard(m_mutex);
    return utterance == m_utterance;
}

bool SpeechQueue::push(quint64 utterance, std::shared_ptr<const PcmBuffer> block) {
    std::unique_lock guard(m_mutex);
    // An empty queue always takes a block, however long, so nothing waits for ever.
    m_room.wait(guard, [&] {
        return utterance != m_utterance || m_blocks.empty() || m_queuedFrames < m_maxAhead;
    });
    if (utterance != m_utterance) return false;
    m_queuedFrames += block->frames();
    m_blocks.push_back(std::move(block));
    return true;
}

void SpeechQueue::finish(quint64 utterance) {
    std::lock_guard guard(m_mutex);
    if (utterance == m_utterance) m_finished = true;
}

std::shared_ptr<const PcmBuffer> SpeechQueue::pop(quint64 utterance) {
    std::lock_guard guard(m_mutex);
    if (utterance != m_utterance || m_blocks.empty()) return nullptr;
    std::shared_ptr<const PcmBuffer> block = std::move(m_blocks.front());
    m_blocks.pop_front();
    m_queuedFrames -= block->frames();
    m_room.notify_all();
    return block;
}

bool SpeechQueue::ready(quint64 utterance) const {
    std::lock_guard guard(m_mutex);
    return utterance != m_utterance || !m_blocks.empty() || m_finished;
}

bool SpeechQueue::pending(quint64 utterance) const {
    std::lock_guard guard(m_mutex);
    return utterance == m_utterance && (!m_blocks.empty() || !m_finished);
}
