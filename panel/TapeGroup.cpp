#include "panel/TapeGroup.h"

#include "panel/PanelWidgets.h"
#include "platform/ZKP4Res.h"
#include "platform/core/Twips.h"
#include "settings/Settings.h"
#include "sound/mdlSndAPI.h"

#include <QPushButton>

TapeGroup::TapeGroup(const Settings& settings, SpeechFactory& speech, QWidget* panel)
    : QGroupBox(QStringLiteral("音合使用不可"), panel), m_settings(settings), m_speech(speech),
      m_tape(*this) {
    setObjectName(QStringLiteral("grpM_Tape"));
    setAccessibleDescription(title());
    setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgb(150,150,150); color: yellow; border: 1px solid #808080; "
        "margin-top: 6px; } QGroupBox::title { subcontrol-origin: margin; left: 4px; }"));
    setGeometry(Twips::toPixels(2085, 1260, 1290, 1275));
    const struct {
        const char* name;
        const char* text;
        QRect place;
        bool green;
    } buttons[4] = {{"cmdTapeBack", "戻し", QRect(75, 225, 585, 690), true},
                    {"cmdTapeNext", "送り", QRect(660, 225, 570, 690), true},
                    {"cmdTapeStop", "■", QRect(75, 930, 585, 300), false},
                    {"cmdTapeSet", "調整", QRect(660, 930, 570, 300), false}};
    for (int i = 0; i < 4; ++i) {
        auto* b = PanelWidgets::makeButton(this, QString::fromLatin1(buttons[i].name),
                                           QString::fromUtf8(buttons[i].text), buttons[i].place);
        if (buttons[i].green)
            b->setStyleSheet(QStringLiteral("QPushButton { background: rgb(0,192,0); }"));
        b->setEnabled(false);
        tapeButtons[size_t(i)] = b;
    }
    connect(tapeButtons[0], &QPushButton::clicked, this, [this] { m_tape.cmdTapeBack_Click(); });
    connect(tapeButtons[1], &QPushButton::clicked, this, [this] { m_tape.cmdTapeNext_Click(); });
    connect(tapeButtons[2], &QPushButton::clicked, this, [this] { m_tape.cmdTapeStop_Click(); });
    connect(tapeButtons[3], &QPushButton::clicked, this, [this] { m_tape.cmdTapeSet_Click(); });
    setEnabled(false);
}

// The speech component goes with the group at the latest; the panel releases it earlier.
TapeGroup::~TapeGroup() = default;

QString TapeGroup::osInfo() const {
    return ZKP4Res::GetOsInfo();
}

std::unique_ptr<SpeechEngine> TapeGroup::createSpeech() {
    return m_speech.createSpeech();
}

void TapeGroup::setGroupCaption(const QString& caption) {
    setTitle(caption);
    setAccessibleDescription(caption);
}

void TapeGroup::setGroupEnabled(bool enabled) {
    setEnabled(enabled);
}

void TapeGroup::setButtonsEnabled(bool enabled) {
    for (QPushButton* b : tapeButtons)
        b->setEnabled(enabled);
}

QWidget* TapeGroup::ownerWindow() {
    return window();
}

TapePreSound TapeGroup::preSound() const {
    TapePreSound pre;
    pre.always = m_settings.SoundPreAlways;
    pre.sync = m_settings.SoundPreSync;
    pre.file = m_settings.SoundPreFile;
    pre.byFlag = {m_settings.SoundPre1, m_settings.SoundPre2, m_settings.SoundPre3};
    return pre;
}

void TapeGroup::playSound(const QString& path, const QString& channel, qint16 sync) {
    mdlSndAPI::SndPlay(path, channel, sync, 0);
}

void TapeGroup::dataForward() {
    emit dataStep(1);
}

void TapeGroup::dataBack() {
    emit dataStep(0);
}
