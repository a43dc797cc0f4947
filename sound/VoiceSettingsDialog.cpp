#include "sound/VoiceSettingsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

VoiceSettingsDialog::VoiceSettingsDialog(QWidget* owner, const QString& title,
                                         const VoiceSettings& current)
    : QDialog(owner) {
    setObjectName(QStringLiteral("VoiceSettingsDialog"));
    setWindowTitle(title);
    setModal(true);
    auto* grid = new QGridLayout(this);
    setLayout(grid);
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
    s.rate = sldRate->value();
    s.pitch = sldPitch->value();
    s.volume = sldVolume->value();
    return s;
}
