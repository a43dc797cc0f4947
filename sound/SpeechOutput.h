#pragma once
// Plays the speech through the program's audio engine, each utterance as one source
// (SpeechSource) on a voice of its own, mixed with the four sound channels. This is the only
// place that knows how speech reaches the engine. GUI thread only.
#include "sound/AudioEngine.h"
#include "sound/SpeechQueue.h"

#include <functional>

class SpeechOutput {
  public:
    // The engine voice of the speech; no sound channel's alias can take this name.
    static const QString Voice;

    // `audio` gives the engine, opened on first use. `queue` must outlive the output.
    SpeechOutput(SpeechQueue& queue, std::function<AudioEngine&()> audio);
    ~SpeechOutput();
    SpeechOutput(const SpeechOutput&) = delete;
    SpeechOutput& operator=(const SpeechOutput&) = delete;

    // Frames per second the speech must have.
    int sampleRate();
    // Cuts what is spoken and begins a new utterance, whose number it returns; its blocks are
    // heard as the synthesis queues them.
    quint64 begin();
    // Silences the speech at once.
    void stop();
    // True while the current utterance is being made or heard.
    bool active() const;

  private:
    AudioEngine& engine() const;

    SpeechQueue& m_queue;
    std::function<AudioEngine&()> m_audio;
    mutable bool m_opened = false; // the engine is opened by the first utterance, not a stop
};
