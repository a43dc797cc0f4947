#include "sound/VoiceSettingsDialog.h"

#include "platform/core/K41Error.h"
#include "tape/ReadingTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

VoiceSettingsDialog::VoiceSettingsDialog(QWidget* owner, const QString& title,
                                         const VoiceSettings& current, ReadingCheck* check,
                                         const QList<QByteArray>& voices)
    : QDialog(owner), m_check(check) {
    setObjectName(QStringLiteral("VoiceSettingsDialog"));
    setWindowTitle(title);
    setModal(true);
    auto* grid = new QGridLayout(this);
    setLayout(grid);
    cboVoice = new QComboBox(this);
    cboVoice->setObjectName(QStringLiteral("cboVoice"));
    cboVoice->setAccessibleName(QStringLiteral("声"));
    for (qsizetype i = 0; i < voices.size(); ++i) {
        // The first is the built-in voice, kept in the settings as no name at all.
        const QByteArray name = i == 0 ? QByteArray() : voices[i];
        const QString text = i == 0 ? QStringLiteral("標準の声")
                             : voices[i].startsWith("mb-")
                                 ? QStringLiteral("MBROLA ") + QString::fromLatin1(voices[i].mid(3))
                                 : QString::fromLatin1(voices[i]);
        cboVoice->addItem(text, name);
        if (name == current.voice) cboVoice->setCurrentIndex(int(i));
    }
    cboVoice->setEnabled(voices.size() > 1);
    auto* voiceLabel = new QLabel(QStringLiteral("声(&V)"), this);
    voiceLabel->setBuddy(cboVoice);
    grid->addWidget(voiceLabel, 0, 0);
    grid->addWidget(cboVoice, 0, 1, 1, 2);
    sldRate = addSlider(QStringLiteral("sldRate"), QStringLiteral("速さ"), VoiceSettings::MinRate,
                        VoiceSettings::MaxRate, current.rate);
    sldPitch = addSlider(QStringLiteral("sldPitch"), QStringLiteral("高さ"),
                         VoiceSettings::MinPitch, VoiceSettings::MaxPitch, current.pitch);
    sldVolume = addSlider(QStringLiteral("sldVolume"), QStringLiteral("音量"),
                          VoiceSettings::MinVolume, VoiceSettings::MaxVolume, current.volume);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAccessibleName(text);
        buttons->addWidget(b);
        return b;
    };
    cmdTest = button(QStringLiteral("cmdTest"), QStringLiteral("テスト"));
    buttons->addStretch();
    cmdOK = button(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = button(QStringLiteral("cmdCancel"), QStringLiteral("キャンセル"));
    cmdOK->setDefault(true);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
    if (m_check) addReadingCheck();

    connect(cmdTest, &QPushButton::clicked, this, [this] {
        if (onTest) onTest(settings());
    });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QSlider* VoiceSettingsDialog::addSlider(const QString& name, const QString& caption, int low,
                                        int high, int value) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* label = new QLabel(caption, this);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setAccessibleName(caption);
    slider->setRange(low, high);
    slider->setValue(value);
    slider->setMinimumWidth(200);
    auto* number = new QLabel(QString::number(slider->value()), this);
    number->setObjectName(name + QStringLiteral("Value"));
    number->setMinimumWidth(30);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(slider, &QSlider::valueChanged, number,
            [number](int v) { number->setText(QString::number(v)); });
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(number, row, 2);
    return slider;
}

VoiceSettings VoiceSettingsDialog::settings() const {
    VoiceSettings s;
    s.voice = cboVoice->currentData().toByteArray();
    s.rate = sldRate->value();
    s.pitch = sldPitch->value();
    s.volume = sldVolume->value();
    return s;
}

void VoiceSettingsDialog::addReadingCheck() {
    auto* box = new QGroupBox(QStringLiteral("読みの確認"), this);
    box->setObjectName(QStringLiteral("fraReading"));
    auto* grid = new QGridLayout(box);
    const auto edit = [&](const QString& name, const QString& caption, int row) {
        auto* label = new QLabel(caption, box);
        auto* line = new QLineEdit(box);
        line->setObjectName(name);
        line->setAccessibleName(caption);
        label->setBuddy(line);
        grid->addWidget(label, row, 0);
        grid->addWidget(line, row, 1, 1, 2);
        return line;
    };
    txtName = edit(QStringLiteral("txtName"), QStringLiteral("名前(&N)"), 0);
    txtReading = edit(QStringLiteral("txtReading"), QStringLiteral("読み(&Y)"), 1);
    txtReading->setPlaceholderText(QStringLiteral("空欄のまま「聞く」で今の読み"));
    cmdHear = new QPushButton(QStringLiteral("聞く(&H)"), box);
    cmdHear->setObjectName(QStringLiteral("cmdHear"));
    cmdKeep = new QPushButton(QStringLiteral("読みを登録(&K)"), box);
    cmdKeep->setObjectName(QStringLiteral("cmdKeep"));
    lblReadingStatus = new QLabel(box);
    lblReadingStatus->setObjectName(QStringLiteral("lblReadingStatus"));
    lblReadingStatus->setWordWrap(true);
    grid->addWidget(cmdHear, 2, 1);
    grid->addWidget(cmdKeep, 2, 2);
    grid->addWidget(lblReadingStatus, 3, 0, 1, 3);
    const QString path = m_check->tablePath();
    cmdKeep->setEnabled(!path.isEmpty());
    lblReadingStatus->setText(path.isEmpty()
                                  ? QStringLiteral("系統を設定すると読みを登録できます。")
                                  : QStringLiteral("登録先: ") + path);
    auto* outer = static_cast<QGridLayout*>(layout());
    outer->addWidget(box, outer->rowCount(), 0, 1, 3);
    // A new name starts from the reading the announcements give it.
    connect(txtName, &QLineEdit::textEdited, txtReading, &QLineEdit::clear);
    connect(cmdHear, &QPushButton::clicked, this, &VoiceSettingsDialog::hearReading);
    connect(cmdKeep, &QPushButton::clicked, this, &VoiceSettingsDialog::keepReading);
}

void VoiceSettingsDialog::hearReading() {
    const QString name = txtName->text().trimmed();
    if (txtReading->text().trimmed().isEmpty() && !name.isEmpty())
        txtReading->setText(m_check->readingOf(name));
    const QString kana = ReadingTable::katakana(txtReading->text());
    if (kana.isEmpty()) {
        lblReadingStatus->setText(QStringLiteral("読みはかなで入力してください。"));
        return;
    }
    m_check->hear(kana, settings());
}

void VoiceSettingsDialog::keepReading() {
    const QString name = txtName->text().trimmed();
    const QString kana = ReadingTable::katakana(txtReading->text());
    if (name.isEmpty() || kana.isEmpty()) {
        lblReadingStatus->setText(QStringLiteral("名前と、かなの読みを入力してください。"));
        return;
    }
    try {
        m_check->keep(name, kana);
        lblReadingStatus->setText(QStringLiteral("登録しました: %1 → %2").arg(name, kana));
    } catch (const K41Error& e) {
        lblReadingStatus->setText(QStringLiteral("登録できませんでした: ") + e.description());
    }
}
