#pragma once
// The voice settings dialog of the announcements: speed, pitch and volume on sliders, a test
// button that speaks a sample with the values shown, OK and キャンセル.
#include "sound/VoiceSettings.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QSlider;

class VoiceSettingsDialog : public QDialog {
  public:
    VoiceSettingsDialog(QWidget* owner, const QString& title, const VoiceSettings& current);

    // The values the sliders show.
    VoiceSettings settings() const;
    // Called by the test button with the values shown.
    std::function<void(const VoiceSettings&)> onTest;

    QSlider* sldRate = nullptr;
    QSlider* sldPitch = nullptr;
    QSlider* sldVolume = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    QSlider* addSlider(const QString& name, const QString& caption, int low, int high, int value);
};
