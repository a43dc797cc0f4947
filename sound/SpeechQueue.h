#pragma once
// The synthesised speech between the synthesis thread, which makes it block by block, and the
// audio thread, which plays it (SpeechSource). Each text spoken is an utterance with its own
// number; starting another or stopping drops the blocks of the old one at once, and the
// synthesis thread learns from current() that it can give up. The synthesis never gets more
// than `maxAheadFrames` ahead of what has been played, so a text of any length needs bounded
// memory. Every call is short and never waits, except push() for room.
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

    // Queues a block of `utterance`, first waiting while the queue is full. False (and nothing
    // queued) when the utterance was dropped meanwhile.
    bool push(quint64 utterance, std::shared_ptr<const PcmBuffer> block);
    // `utterance` has no more blocks.
    void finish(quint64 utterance);

    // The next block of `utterance` to play, or nullptr (none yet, or the utterance is over).
    std::shared_ptr<const PcmBuffer> pop(quint64 utterance);
    // True while `utterance` is current and blocks are queued or may still come.
    bool pending(quint64 utterance) const;
    // True when a block of `utterance` is queued or none will come any more.
    bool ready(quint64 utterance) const;

  private:
    std::size_t m_maxAhead;
    mutable std::mutex m_mutex;
    std::condition_variable m_room;
    std::deque<std::shared_ptr<const PcmBuffer>> m_blocks;
    std::size_t m_queuedFrames = 0;
    quint64 m_utterance = 0;
    bool m_finished = true;
};
