#include "sound/SpeechQueue.h"

quint64 SpeechQueue::restart() {
    std::lock_guard guard(m_mutex);
    m_pieces.clear();
    m_queuedFrames = 0;
    m_finished = false;
    ++m_utterance;
    m_room.notify_all();
    return m_utterance;
}

void SpeechQueue::drop() {
    restart();
    std::lock_guard guard(m_mutex);
    m_finished = true;
}

bool SpeechQueue::current(quint64 utterance) const {
    std::lock_guard guard(m_mutex);
    return utterance == m_utterance;
}

bool SpeechQueue::push(quint64 utterance, std::shared_ptr<const PcmBuffer> piece) {
    std::unique_lock guard(m_mutex);
    // An empty queue always takes a piece, however long, so nothing waits for ever.
    m_room.wait(guard, [&] {
        return utterance != m_utterance || m_pieces.empty() || m_queuedFrames < m_maxAhead;
    });
    if (utterance != m_utterance) return false;
    m_queuedFrames += piece->frames();
    m_pieces.push_back(std::move(piece));
    return true;
}

void SpeechQueue::finish(quint64 utterance) {
    std::lock_guard guard(m_mutex);
    if (utterance == m_utterance) m_finished = true;
}

std::shared_ptr<const PcmBuffer> SpeechQueue::pop() {
    std::lock_guard guard(m_mutex);
    if (m_pieces.empty()) return nullptr;
    std::shared_ptr<const PcmBuffer> piece = std::move(m_pieces.front());
    m_pieces.pop_front();
    m_queuedFrames -= piece->frames();
    m_room.notify_all();
    return piece;
}

bool SpeechQueue::pending() const {
    std::lock_guard guard(m_mutex);
    return !m_pieces.empty() || !m_finished;
}
