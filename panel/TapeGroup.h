#pragma once
// `grpM_Tape`: the announcement buttons "戻し", "送り", "■" and "調整" (cmdTapeBack,
// cmdTapeNext, cmdTapeStop, cmdTapeSet) and the announcement link behind them (mdlM_Tape).
// Once the link is started the group is captioned "音合使用可" when speech can be created and
// "音合使用不可" (and stays disabled) when not; a route whose broadcast file cannot be read
// disables it until a route with one is set. A record's move flag steps the panel's fare data,
// which the group asks for with dataStep().
#include "tape/TapeHost.h"
#include "tape/mdlM_Tape.h"

#include <QGroupBox>
#include <array>

class QPushButton;
struct Settings;

class TapeGroup : public QGroupBox, private TapeHost {
    Q_OBJECT
  public:
    // `speech` makes the speech component when the link starts; it must outlive the group.
    TapeGroup(const Settings& settings, SpeechFactory& speech, QWidget* panel);
    ~TapeGroup() override;

    std::array<QPushButton*, 4> tapeButtons{}; // back, next, stop, set

    mdlM_Tape& tape() { return m_tape; }
    const mdlM_Tape& tape() const { return m_tape; }

  signals:
    // The fare data step a record's move flag asks for: `Command2`'s index, 0 back, 1 forward.
    void dataStep(int index);

  private:
    QString osInfo() const override;
    std::unique_ptr<SpeechEngine> createSpeech() override;
    void setGroupCaption(const QString& caption) override;
    void setGroupEnabled(bool enabled) override;
    void setButtonsEnabled(bool enabled) override;
    QWidget* ownerWindow() override;
    TapePreSound preSound() const override;
    void playSound(const QString& path, const QString& channel, qint16 sync) override;
    void dataForward() override;
    void dataBack() override;

    const Settings& m_settings;
    SpeechFactory& m_speech;
    mdlM_Tape m_tape;
};
