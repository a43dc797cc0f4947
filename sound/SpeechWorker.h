#pragma once
// The thread that turns texts into speech: the pronunciation of each piece of the text, then
// espeak-ng's samples, queued for the output block by block as they are made. A new text or a stop
// makes it drop the old text at the next block of samples (a few milliseconds). The calls below
// come from the GUI thread.
#include "sound/Pronouncer.h"
#include "sound/SpeechOutput.h"
#include "sound/SpeechQueue.h"
#include "sound/VoiceSettings.h"
#include "tape/ReadingTable.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class SpeechWorker {
  public:
    SpeechWorker(std::unique_ptr<Pronouncer> pronouncer, QByteArray voice,
                 std::function<AudioEngine&()> audio);
    ~SpeechWorker();
    SpeechWorker(const SpeechWorker&) = delete;
    SpeechWorker& operator=(const SpeechWorker&) = delete;

    // Cuts what is spoken and starts on `text`; returns at once.
    // `readings` (may be null) are the user's readings of names.
    void speak(const QString& text, const VoiceSettings& settings,
               std::shared_ptr<const ReadingTable> readings = nullptr);
    void stop();
    // Synthesising, or speech still to be heard.
    bool active() const;
    // The text spoken last could not be synthesised.
    bool failed() const;

  private:
    struct Job {
        quint64 utterance = 0;
        QString text;
        VoiceSettings settings;
        int rate = 0;
        std::shared_ptr<const ReadingTable> readings;
    };

    void run();
    void synthesize(const Job& job);

    std::unique_ptr<Pronouncer> m_pronouncer; // used on the worker thread only
    QByteArray m_voice;
    SpeechQueue m_queue;
    SpeechOutput m_output;
    quint64 m_utterance = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_job;
    bool m_quit = false;
    std::atomic<quint64> m_failed{0};
    std::thread m_thread; // last: starts once everything above is ready
};
