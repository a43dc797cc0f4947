#pragma once
// Plays the pieces of synthesised speech through the program's audio engine, one after another
// on a voice of its own, mixed with the four sound channels. This is the only place that knows
// how speech reaches the engine. GUI thread only, except where said.
#include "sound/AudioEngine.h"
#include "sound/SpeechQueue.h"

#include <QObject>
#include <QTimer>
#include <functional>

class SpeechOutput : public QObject {
  public:
    // The engine voice of the speech; no sound channel's alias can take this name.
    static const QString Voice;

    // `audio` gives the engine, opened on first use.
    SpeechOutput(SpeechQueue& queue, std::function<AudioEngine&()> audio);
    ~SpeechOutput() override;

    // Frames per second the pieces must have.
    int sampleRate();
    // Cuts what is spoken and begins a new utterance, whose number it returns; its pieces are
    // played as they come.
    quint64 begin();
    // Starts the next queued piece once the one sounding has ended. Any thread may ask for it
    // with requestPump(); the output then checks again until the utterance has played out.
    void pump();
    void requestPump();
    // Silences the speech at once.
    void stop();
    // True while a piece is sounding or queued, or more are to come.
    bool active() const;

  private:
    AudioEngine& engine() const;

    SpeechQueue& m_queue;
    std::function<AudioEngine&()> m_audio;
    mutable bool m_opened = false; // the engine is opened by the first piece, not by a stop
    QTimer m_poll;
};
