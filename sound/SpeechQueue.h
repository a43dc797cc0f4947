#pragma once
// The pieces of synthesised speech between the synthesis thread, which makes them, and the
// output, which plays them one after another. Each text spoken is an utterance with its own
// number; starting another or stopping drops the pieces of the old one at once, and the
// synthesis thread learns from current() that it can give up. The thread never gets more than
// `maxAheadFrames` ahead of the output, so a text of any length needs bounded memory.
#include "sound/PcmBuffer.h"

#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class SpeechQueue {
  public:
    explicit SpeechQueue(std::size_t maxAheadFrames) : m_maxAhead(maxAheadFrames) {}

    // Begins a new utterance, dropping what was queued; returns its number.
    quint64 restart();
    // Ends the current utterance, dropping what was queued, and begins none.
    void drop();
    // True while `utterance` is the one being spoken.
    bool current(quint64 utterance) const;

    // Queues a piece of `utterance`, first waiting while the queue is full. False (and nothing
    // queued) when the utterance was dropped meanwhile.
    bool push(quint64 utterance, std::shared_ptr<const PcmBuffer> piece);
    // `utterance` has no more pieces.
    void finish(quint64 utterance);

    // The next piece to play, or nullptr.
    std::shared_ptr<const PcmBuffer> pop();
    // True while pieces are queued or the current utterance may still bring some.
    bool pending() const;

  private:
    std::size_t m_maxAhead;
    mutable std::mutex m_mutex;
    std::condition_variable m_room;
    std::deque<std::shared_ptr<const PcmBuffer>> m_pieces;
    std::size_t m_queuedFrames = 0;
    quint64 m_utterance = 0;
    bool m_finished = true;
};
