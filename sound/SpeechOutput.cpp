#include "sound/SpeechOutput.h"

#include "sound/PcmSource.h"

#include <QMetaObject>

// A space keeps it apart from every channel alias, which never holds one.
const QString SpeechOutput::Voice = QStringLiteral("K41 speech");

namespace {

// How often the output looks whether the piece sounding has ended. Pieces are whole
// sentences, and the pause this leaves between them falls where a speaker pauses anyway.
constexpr int kPollMs = 10;

} // namespace

SpeechOutput::SpeechOutput(SpeechQueue& queue, std::function<AudioEngine&()> audio)
    : m_queue(queue), m_audio(std::move(audio)) {
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, [this] { pump(); });
}

SpeechOutput::~SpeechOutput() {
    stop();
}

AudioEngine& SpeechOutput::engine() const {
    m_opened = true;
    return m_audio();
}

int SpeechOutput::sampleRate() {
    return engine().sampleRate();
}

quint64 SpeechOutput::begin() {
    const quint64 utterance = m_queue.restart();
    engine().stop(Voice);
    m_poll.start();
    return utterance;
}

void SpeechOutput::requestPump() {
    QMetaObject::invokeMethod(
        this, [this] { pump(); }, Qt::QueuedConnection);
}

void SpeechOutput::pump() {
    AudioEngine& out = engine();
    if (!out.isPlaying(Voice)) {
        if (std::shared_ptr<const PcmBuffer> piece = m_queue.pop())
            out.play(Voice, std::make_unique<PcmSource>(std::move(piece)));
    }
    if (out.isPlaying(Voice) || m_queue.pending()) {
        if (!m_poll.isActive()) m_poll.start();
    } else {
        m_poll.stop();
    }
}

void SpeechOutput::stop() {
    m_queue.drop();
    m_poll.stop();
    if (m_opened) engine().stop(Voice);
}

bool SpeechOutput::active() const {
    return m_queue.pending() || (m_opened && engine().isPlaying(Voice));
}
