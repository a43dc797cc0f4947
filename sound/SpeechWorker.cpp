#include "sound/SpeechWorker.h"

#include "sound/EspeakVoice.h"
#include "sound/Resampler.h"
#include "sound/SpeechText.h"

#include <algorithm>
#include <cmath>

namespace {

// The synthesis runs at most this far ahead of what has been heard.
constexpr int AheadSeconds = 20;
// Below this a sample is silence (a few steps of 16-bit samples).
constexpr float Silence = 1e-4f;

} // namespace

SpeechWorker::SpeechWorker(QStringList dictionaryDirs, QByteArray voice,
                           std::function<AudioEngine&()> audio, std::function<void(bool)> loaded)
    : m_dictionaryDirs(std::move(dictionaryDirs)), m_loaded(std::move(loaded)),
      m_voice(std::move(voice)), m_queue(std::size_t(AheadSeconds) * 48000),
      m_output(m_queue, std::move(audio)), m_thread([this] { run(); }) {}

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

void SpeechWorker::load() {
    {
        std::lock_guard guard(m_mutex);
        m_loadWanted = true;
    }
    m_wake.notify_all();
}

void SpeechWorker::speak(const QString& text, const VoiceSettings& settings,
                         std::shared_ptr<const ReadingTable> readings) {
    Job job{m_output.begin(), text, settings, m_output.sampleRate(), std::move(readings)};
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
            m_wake.wait(guard, [this] {
                return m_quit || m_job.has_value() || (m_loadWanted && !m_loadTried);
            });
            if (m_quit) return;
            if (m_loadTried) {
                job = std::move(*m_job);
                m_job.reset();
            }
        }
        if (!m_loadTried) {
            // A text spoken meanwhile waits in m_job and is taken on the next round.
            m_pronouncer =
                Pronouncer::open(m_dictionaryDirs, Pronouncer::defaultPlaceDictionaries());
            if (m_pronouncer && !EspeakVoice::open(m_voice)) m_pronouncer.reset();
            m_loadTried = true;
            if (m_loaded) m_loaded(m_pronouncer != nullptr);
            continue;
        }
        if (!m_pronouncer) {
            // Nothing to speak with: the output learns at once that nothing comes.
            m_failed = job.utterance;
            m_queue.finish(job.utterance);
            continue;
        }
        synthesize(job);
    }
}

void SpeechWorker::synthesize(const Job& job) {
    // A chosen voice that is no longer installed gives way to the built-in one.
    const QByteArray voice =
        !job.settings.voice.isEmpty() && EspeakVoice::sampleRate(job.settings.voice) > 0
            ? job.settings.voice
            : m_voice;
    const int sourceRate = EspeakVoice::sampleRate(voice);
    // One resampler for the whole utterance, so the blocks join without a seam.
    const std::unique_ptr<Resampler> resampler = Resampler::create(1, sourceRate, job.rate);
    if (!resampler) {
        m_failed = job.utterance;
        m_queue.finish(job.utterance);
        return;
    }
    bool started = false;
    std::vector<float> mono;
    std::vector<float> stereo;
    // Hands `stereo` to the output; false once the utterance has been dropped.
    const auto deliver = [&] {
        if (stereo.empty()) return true;
        auto block = std::make_shared<PcmBuffer>();
        block->samples.swap(stereo);
        return m_queue.push(job.utterance, std::move(block));
    };

    SpeechText::Pieces pieces(job.text);
    QString piece;
    bool failed = false;
    while (!failed && pieces.next(piece)) {
        if (!m_queue.current(job.utterance)) return;
        const QString kana = m_pronouncer->toKana(piece, job.readings.get());
        if (kana.isEmpty()) continue;
        bool dropped = false;
        const bool ok = EspeakVoice::synthesize(
            kana, voice, job.settings, [&](const short* samples, int count) {
                int i = 0;
                // The synthesiser opens with some 40 ms of silence; the announcement starts
                // with its first sound.
                while (!started && i < count && std::abs(float(samples[i]) / 32768.0f) <= Silence)
                    ++i;
                started = started || i < count;
                mono.clear();
                for (; i < count; ++i)
                    mono.push_back(float(samples[i]) / 32768.0f);
                if (!mono.empty() && !resampler->push(mono.data(), mono.size(), stereo)) {
                    failed = true;
                    return false;
                }
                dropped = !deliver() || !m_queue.current(job.utterance);
                return !dropped;
            });
        if (dropped) return;
        failed = failed || !ok;
    }
    if (!failed) {
        failed = !resampler->finish(stereo);
        if (!failed && !deliver()) return;
    }
    // The output learns that nothing more comes, also after a failure, so it never waits on.
    if (failed) m_failed = job.utterance;
    m_queue.finish(job.utterance);
}
