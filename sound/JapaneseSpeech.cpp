#include "sound/JapaneseSpeech.h"

#include "platform/core/AppInfo.h"
#include "platform/core/K41Error.h"
#include "sound/EspeakVoice.h"
#include "sound/MciInterpreter.h"
#include "sound/Pronouncer.h"
#include "sound/SpeechWorker.h"
#include "sound/VoiceSettingsDialog.h"

#include <QMessageBox>

const QString JapaneseSpeech::TestText =
    QStringLiteral("音声のテストです。次は、市役所前です。お降りの方はお知らせください。");

std::unique_ptr<JapaneseSpeech> JapaneseSpeech::create(Setup setup) {
    // The dictionary takes some 15 MB and espeak-ng a few more: here they are only looked for.
    const QStringList dirs =
        setup.dictionaryDirs.isEmpty() ? Pronouncer::defaultDictionaryDirs() : setup.dictionaryDirs;
    if (!Pronouncer::dictionaryIn(dirs) || !EspeakVoice::installed(setup.voice)) return nullptr;
    if (!setup.audio)
        setup.audio = []() -> AudioEngine& { return MciInterpreter::instance().engine(); };

    std::unique_ptr<JapaneseSpeech> speech(new JapaneseSpeech(setup));
    JapaneseSpeech* self = speech.get();
    speech->m_worker =
        std::make_unique<SpeechWorker>(dirs, setup.voice, std::move(setup.audio), [self](bool ok) {
            QMetaObject::invokeMethod(
                &self->m_gui, [self, ok] { self->loaded(ok); }, Qt::QueuedConnection);
        });
    return speech;
}

void JapaneseSpeech::load(SpeechReady& ready) {
    m_ready = &ready;
    if (m_loaded >= 0)
        ready.speechReady(m_loaded == 1);
    else
        m_worker->load();
}

void JapaneseSpeech::loaded(bool ok) {
    m_loaded = ok ? 1 : 0;
    if (m_ready) m_ready->speechReady(ok);
}

JapaneseSpeech::JapaneseSpeech(Setup setup)
    : m_settingsPath(std::move(setup.settingsPath)),
      m_dictionaryDirs(setup.dictionaryDirs.isEmpty() ? Pronouncer::defaultDictionaryDirs()
                                                      : setup.dictionaryDirs),
      m_builtInVoice(setup.voice) {
    if (!m_settingsPath.isEmpty()) m_settings = VoiceSettings::read(m_settingsPath);
}

JapaneseSpeech::~JapaneseSpeech() = default;

void JapaneseSpeech::speak(const QString& text) {
    speakWith(text, m_settings);
}

void JapaneseSpeech::speakWith(const QString& text, const VoiceSettings& settings) {
    m_worker->speak(text, settings, m_readings);
}

void JapaneseSpeech::setReadings(const ReadingTable& readings, const QString& tablePath) {
    m_readings = std::make_shared<const ReadingTable>(readings);
    m_readingsPath = tablePath;
}

QString JapaneseSpeech::readingOf(const QString& name) {
    if (!m_dialogPronouncer)
        m_dialogPronouncer =
            Pronouncer::open(m_dictionaryDirs, Pronouncer::defaultPlaceDictionaries());
    if (!m_dialogPronouncer) return QString();
    return m_dialogPronouncer->toKana(name, m_readings.get());
}

void JapaneseSpeech::hear(const QString& kana, const VoiceSettings& settings) {
    speakWith(kana, settings);
}

void JapaneseSpeech::keep(const QString& name, const QString& reading) {
    if (m_readingsPath.isEmpty()) return;
    ReadingTable::append(m_readingsPath, name, reading);
    // Texts already being spoken keep the table they started with.
    auto readings = std::make_shared<ReadingTable>(m_readings ? *m_readings : ReadingTable());
    readings->insert(ReadingTable::key(name), reading);
    m_readings = std::move(readings);
}

void JapaneseSpeech::stop() {
    m_worker->stop();
}

int JapaneseSpeech::status() const {
    if (m_worker->failed()) return Failed;
    return m_worker->active() ? Speaking : Idle;
}

void JapaneseSpeech::settingsDialog(QWidget* owner, const QString& title) {
    VoiceSettingsDialog dialog(owner, title, m_settings, this,
                               EspeakVoice::japaneseVoices(m_builtInVoice));
    dialog.onTest = [this](const VoiceSettings& s) { speakWith(TestText, s); };
    if (dialog.exec() != QDialog::Accepted) return;
    m_settings = dialog.settings();
    if (m_settingsPath.isEmpty()) return;
    try {
        m_settings.write(m_settingsPath);
    } catch (const K41Error& e) {
        // The new voice holds for this run; the user learns that it will not be kept.
        QMessageBox box(QMessageBox::Warning, AppInfo::exeName(),
                        QStringLiteral("音声の設定を保存できませんでした。\n") + e.description(),
                        QMessageBox::Ok, owner);
        box.exec();
    }
}
