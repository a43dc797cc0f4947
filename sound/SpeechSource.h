#pragma once
// One utterance as the mixer plays it: the blocks the synthesis thread queues, back to back.
// While the next block is still being made it yields silence, so the voice stays on; it ends
// once the utterance is complete and played, or dropped (a new text or a stop).
#include "sound/AudioSource.h"
#include "sound/SpeechQueue.h"

class SpeechSource : public AudioSource {
  public:
    // `queue` must outlive the source.
    SpeechSource(SpeechQueue& queue, quint64 utterance) : m_queue(queue), m_utterance(utterance) {}

    std::size_t read(float* out, std::size_t frames) override;
    bool ready() const override;

  private:
    SpeechQueue& m_queue;
    quint64 m_utterance;
    std::shared_ptr<const PcmBuffer> m_block;
    std::size_t m_position = 0; // frames of m_block already played
};
