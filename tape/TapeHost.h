#pragma once
// What the announcement link needs from the operation panel that holds its group: the group's
// caption and enabled states, the sound player, the fare data steps, the speech component and
// the settings of the sounds played before an announcement. The panel implements it; tests use
// a recording fake.
#include "tape/SpeechEngine.h"

#include <QString>
#include <array>
#include <memory>

class QWidget;

// The sound played before an announcement, as the options dialog sets it.
struct TapePreSound {
    bool always = true; // one file before every forward step, else chosen by the sound flag
    bool sync = true;   // the speech waits until the sound has played
    QString file;       // played before every forward step when `always`
    std::array<QString, 3> byFlag; // sound flags 1, 2, 3
};

class TapeHost {
  public:
    virtual ~TapeHost() = default;

    // The name of the running operating system.
    virtual QString osInfo() const = 0;
    // Creates the speech component; nullptr (or a thrown exception) when it cannot be created.
    virtual std::unique_ptr<SpeechEngine> createSpeech() = 0;

    // The group "音合使用可" / "音合使用不可" and its four buttons.
    virtual void setGroupCaption(const QString& caption) = 0;
    virtual void setGroupEnabled(bool enabled) = 0;
    virtual void setButtonsEnabled(bool enabled) = 0;
    // The window that owns the voice settings dialog.
    virtual QWidget* ownerWindow() = 0;

    virtual TapePreSound preSound() const = 0;
    // Plays `path` on sound channel `channel`; sync non-zero waits for its end.
    virtual void playSound(const QString& path, const QString& channel, qint16 sync) = 0;

    // The panel's "データ送り" and "データ戻し".
    virtual void dataForward() = 0;
    virtual void dataBack() = 0;
};
