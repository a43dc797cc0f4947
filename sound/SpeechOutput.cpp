#include "sound/SpeechOutput.h"

#include "sound/SpeechSource.h"

// A space keeps it apart from every channel alias, which never holds one.
const QString SpeechOutput::Voice = QStringLiteral("K41 speech");

SpeechOutput::SpeechOutput(SpeechQueue& queue, std::function<AudioEngine&()> audio)
    : m_queue(queue), m_audio(std::move(audio)) {}

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
    engine().play(Voice, std::make_unique<SpeechSource>(m_queue, utterance));
    return utterance;
}

void SpeechOutput::stop() {
    m_queue.drop();
    if (m_opened) engine().stop(Voice);
}

bool SpeechOutput::active() const {
    return m_opened && engine().isPlaying(Voice);
}
