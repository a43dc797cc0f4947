#pragma once
// The speech component of the announcements on Debian's own libraries: MeCab finds the
// pronunciation (Pronouncer), espeak-ng's Japanese voice speaks it (EspeakVoice), on a thread
// of its own so that no text, however long, holds the windows; the speech plays through the
// program's audio engine (SpeechOutput). The voice settings live in a file of their own.
#include "sound/AudioEngine.h"
#include "sound/ReadingCheck.h"
#include "sound/VoiceSettings.h"
#include "tape/SpeechEngine.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class Pronouncer;
class SpeechWorker;

class JapaneseSpeech : public SpeechEngine, private ReadingCheck {
  public:
    struct Setup {
        QStringList dictionaryDirs; // empty: Pronouncer::defaultDictionaryDirs()
        QByteArray voice = "ja";    // espeak-ng's voice
        QString settingsPath;       // the voice settings file; empty: defaults, never saved
        std::function<AudioEngine&()> audio; // empty: the sound player's engine
    };

    // The text the settings dialog's test button speaks.
    static const QString TestText;

    // nullptr when the dictionary or the voice is not installed. Only checks that they are:
    // they load on the speech thread, on load() or before the first text.
    static std::unique_ptr<JapaneseSpeech> create(Setup setup);
    ~JapaneseSpeech() override;

    void speak(const QString& text) override;
    void stop() override;
    int status() const override;
    void settingsDialog(QWidget* owner, const QString& title) override;
    void setReadings(const ReadingTable& readings, const QString& tablePath) override;
    void load(SpeechReady& ready) override;

    // Speaks `text` with other voice settings than the saved ones (the dialog's test).
    void speakWith(const QString& text, const VoiceSettings& settings);

  private:
    explicit JapaneseSpeech(Setup setup);

    // On the GUI thread, once the speech thread has tried loading.
    void loaded(bool ok);

    // The settings dialog's reading check.
    QString readingOf(const QString& name) override;
    void hear(const QString& kana, const VoiceSettings& settings) override;
    QString tablePath() const override { return m_readingsPath; }
    void keep(const QString& name, const QString& reading) override;

    // Brings the speech thread's "loaded" to the GUI thread; before m_worker, so that it
    // outlives the thread.
    QObject m_gui;
    SpeechReady* m_ready = nullptr;
    int m_loaded = -1; // -1 not yet, else whether loading succeeded
    std::unique_ptr<SpeechWorker> m_worker;
    VoiceSettings m_settings;
    std::shared_ptr<const ReadingTable> m_readings; // shared with the texts being spoken
    QString m_readingsPath;
    QStringList m_dictionaryDirs;
    QByteArray m_builtInVoice;
    // The GUI thread's own pronouncer (the worker's is not reentrant), opened on first use.
    std::unique_ptr<Pronouncer> m_dialogPronouncer;
    QString m_settingsPath;
};
