#pragma once
// An audio engine for tests that keeps what it would have played: a thread mixes the voices
// at a device's pace, as the real output does, and keeps the left channel.
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"

#include <QElapsedTimer>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class CaptureEngine : public AudioEngine {
  public:
    static constexpr int Rate = 44100;

    CaptureEngine() : m_mixer(Rate), m_thread([this] { run(); }) { clock.start(); }
    ~CaptureEngine() override {
        m_quit = true;
        m_thread.join();
    }

    int sampleRate() const override { return Rate; }
    void play(const QString& voice, std::unique_ptr<AudioSource> source) override {
        plays.push_back({voice, clock.elapsed()});
        m_mixer.play(voice, std::move(source));
    }
    void stop(const QString& voice) override {
        stops.push_back({voice, clock.elapsed()});
        m_mixer.stop(voice);
    }
    bool isPlaying(const QString& voice) const override { return m_mixer.isPlaying(voice); }

    // The output from sample `from` on.
    std::vector<float> output(std::size_t from = 0) const {
        std::lock_guard guard(m_mutex);
        return std::vector<float>(m_left.begin() + std::ptrdiff_t(std::min(from, m_left.size())),
                                  m_left.end());
    }
    std::size_t outputSize() const {
        std::lock_guard guard(m_mutex);
        return m_left.size();
    }

    QElapsedTimer clock;
    std::vector<std::pair<QString, qint64>> plays; // voice, ms since the engine started
    std::vector<std::pair<QString, qint64>> stops;

  private:
    void run() {
        constexpr std::size_t frames = 512;
        std::vector<float> buffer(frames * 2);
        const auto period = std::chrono::microseconds(frames * 1000000 / Rate);
        auto next = std::chrono::steady_clock::now();
        while (!m_quit) {
            m_mixer.mix(buffer.data(), frames);
            {
                std::lock_guard guard(m_mutex);
                for (std::size_t i = 0; i < frames; ++i)
                    m_left.push_back(buffer[i * 2]);
            }
            next += period;
            std::this_thread::sleep_until(next);
        }
    }

    Mixer m_mixer;
    mutable std::mutex m_mutex;
    std::vector<float> m_left;
    std::atomic<bool> m_quit{false};
    std::thread m_thread;
};
