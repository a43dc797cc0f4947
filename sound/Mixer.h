#pragma once
// Mixes named voices into one stereo float stream. Each voice plays one AudioSource; starting
// a voice again replaces its source, and voices sound at the same time. play(), stop() and
// isPlaying() come from the GUI thread, mix() from the output's audio thread; a change is
// heard from the next buffer mix() fills.
#include "sound/AudioSource.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class Mixer {
  public:
    // The longest any voice plays, in seconds. A few bytes of MIDI or of a compressed Wave can
    // describe days of sound; nothing a board plays lasts anywhere near this long.
    static constexpr int MaxPlaySeconds = 1800;

    explicit Mixer(int rate);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int sampleRate() const { return m_rate; }

    // Starts `source` on `voice`; the source the voice had is let go of here, on the caller's
    // thread, never on the audio thread.
    void play(const QString& voice, std::unique_ptr<AudioSource> source);
    // Silences `voice` and lets go of its source. An unknown voice is ignored.
    void stop(const QString& voice);
    // True until the voice's source has ended and its last frames have been played out.
    bool isPlaying(const QString& voice) const;
    // True when mix() has not been called for `ms` milliseconds.
    bool idleFor(int ms) const;

    // Fills `out` with `frames` frames: every voice added up, limited to [-1, 1]. A source
    // that fails (throws) or yields values that are not numbers is ended or silenced there,
    // never passed on.
    void mix(float* out, std::size_t frames) noexcept;
    // True when every playing voice can give its next frames at once (AudioSource::ready).
    bool sourcesReady() const;

    // Replaces the clock by which a voice's last frames are judged heard (the steady clock by
    // default), for an output that runs on a time of its own. Set before any play().
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }

  private:
    struct Voice {
        QString name;
        std::unique_ptr<AudioSource> source;
        long long played = 0; // frames taken from the source
        bool ended = false;
        // When the output will have played the voice's last frames.
        std::chrono::steady_clock::time_point endsAt{};
    };

    void mixVoice(Voice& v, float* out, std::size_t frames);
    Voice* find(const QString& name);
    std::chrono::steady_clock::time_point now() const;

    const int m_rate;
    mutable std::mutex m_mutex;
    std::vector<Voice> m_voices;
    std::vector<float> m_scratch;
    Clock m_clock;
    std::atomic<std::chrono::steady_clock::rep> m_lastMix;
};
