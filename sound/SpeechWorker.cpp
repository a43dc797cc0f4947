#include "sound/SpeechWorker.h"

#include "sound/EspeakVoice.h"
#include "sound/Resampler.h"
#include "sound/SpeechText.h"

#include <algorithm>
#include <cmath>

namespace {

// One piece of mono speech as the engine's stereo at its rate; empty when it cannot convert.
PcmBuffer toStereo(const std::vector<float>& mono, int fromRate, int toRate) {
    PcmBuffer stereo;
    const std::unique_ptr<Resampler> resampler = Resampler::create(1, fromRate, toRate);
    if (!resampler || !resampler->push(mono.data(), mono.size(), stereo.samples) ||
        !resampler->finish(stereo.samples))
        return {};
    return stereo;
}

} // namespace

namespace {

// The synthesis runs at most this far ahead of what has been heard.
constexpr int kAheadSeconds = 20;
// A sentence goes to the output whole, so its words are never parted; a run of text without
// a sentence end goes in parts of this length, so it is heard before all of it is made.
constexpr int kPartSeconds = 8;
// Below this a sample is silence (a few steps of 16-bit samples).
constexpr float kSilence = 1e-4f;

} // namespace

SpeechWorker::SpeechWorker(std::unique_ptr<Pronouncer> pronouncer, QByteArray voice,
                           std::function<AudioEngine&()> audio)
    : m_pronouncer(std::move(pronouncer)), m_voice(std::move(voice)),
      m_queue(std::size_t(kAheadSeconds) * 48000), m_output(m_queue, std::move(audio)),
      m_thread([this] { run(); }) {}

SpeechWorker::~SpeechWorker() {
    {
        std::lock_guard guard(m_mutex);
        m_quit = true;
        m_job.reset();
    }
    m_queue.drop(); // wakes a synthesis waiting for room
    m_wake.notify_all();
    m_thread.join();
}

void SpeechWorker::speak(const QString& text, const VoiceSettings& settings) {
    Job job{m_output.begin(), text, settings, m_output.sampleRate()};
    m_utterance = job.utterance;
    {
        std::lock_guard guard(m_mutex);
        m_job = std::move(job);
    }
    m_wake.notify_all();
}

void SpeechWorker::stop() {
    {
        std::lock_guard guard(m_mutex);
        m_job.reset();
    }
    m_output.stop();
}

bool SpeechWorker::active() const {
    return m_output.active();
}

bool SpeechWorker::failed() const {
    return m_utterance != 0 && m_failed.load() == m_utterance;
}

void SpeechWorker::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock guard(m_mutex);
            m_wake.wait(guard, [this] { return m_quit || m_job.has_value(); });
            if (m_quit) return;
            job = std::move(*m_job);
            m_job.reset();
        }
        synthesize(job);
    }
}

void SpeechWorker::synthesize(const Job& job) {
    const int sourceRate = EspeakVoice::sampleRate();
    const std::size_t partFrames = std::size_t(kPartSeconds) * std::size_t(sourceRate);
    std::vector<float> mono;
    bool started = false;
    // Hands what is made so far to the output; false once the utterance has been dropped.
    const auto deliver = [&] {
        if (!started) {
            // The synthesiser opens with some 40 ms of silence; the announcement starts at once.
            const auto first = std::find_if(mono.begin(), mono.end(),
                                            [](float s) { return std::abs(s) > kSilence; });
            mono.erase(mono.begin(), first);
            started = !mono.empty();
        }
        if (mono.empty()) return true;
        auto pcm = std::make_shared<PcmBuffer>(toStereo(mono, sourceRate, job.rate));
        mono.clear();
        if (pcm->empty()) return true;
        if (!m_queue.push(job.utterance, std::move(pcm))) return false;
        m_output.requestPump();
        return true;
    };

    SpeechText::Pieces pieces(job.text);
    QString piece;
    while (pieces.next(piece)) {
        if (!m_queue.current(job.utterance)) return;
        const QString kana = m_pronouncer->toKana(piece);
        if (kana.isEmpty()) continue;
        bool dropped = false;
        const bool ok = EspeakVoice::synthesize(
            kana, m_voice, job.settings, [&](const short* samples, int count) {
                for (int i = 0; i < count; ++i)
                    mono.push_back(float(samples[i]) / 32768.0f);
                dropped =
                    (mono.size() >= partFrames && !deliver()) || !m_queue.current(job.utterance);
                return !dropped;
            });
        if (dropped) return;
        if (!ok) {
            m_failed = job.utterance;
            break;
        }
        if (!deliver()) return;
    }
    m_queue.finish(job.utterance);
    m_output.requestPump();
}
