#pragma once
// The voice settings dialog of the announcements: the voice (when more than the built-in one is
// installed, the MBROLA voices too), speed, pitch and volume on sliders, a test
// button that speaks a sample with the values shown, OK and キャンセル. Below them, "読みの確認":
// a stop name, the reading it is spoken with ("聞く" fills it in and speaks it), and
// "読みを登録", which keeps a corrected reading in the user's reading table.
#include "sound/ReadingCheck.h"
#include "sound/VoiceSettings.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class VoiceSettingsDialog : public QDialog {
  public:
    // `voices`: the voices to offer, the built-in one first (none: no choice). `check` (may be
    // null: no reading check) outlives the dialog.
    VoiceSettingsDialog(QWidget* owner, const QString& title, const VoiceSettings& current,
                        ReadingCheck* check = nullptr, const QList<QByteArray>& voices = {});

    // The values the sliders show.
    VoiceSettings settings() const;
    // Called by the test button with the values shown.
    std::function<void(const VoiceSettings&)> onTest;

    QComboBox* cboVoice = nullptr;
    QSlider* sldRate = nullptr;
    QSlider* sldPitch = nullptr;
    QSlider* sldVolume = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtReading = nullptr;
    QPushButton* cmdHear = nullptr;
    QPushButton* cmdKeep = nullptr;
    QLabel* lblReadingStatus = nullptr;

  private:
    void addReadingCheck();
    void hearReading();
    void keepReading();
    QSlider* addSlider(const QString& name, const QString& caption, int low, int high, int value);

    ReadingCheck* m_check = nullptr;
};
