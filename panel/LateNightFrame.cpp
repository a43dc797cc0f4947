#include "panel/LateNightFrame.h"

#include "panel/PanelWidgets.h"
#include "platform/core/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

LateNightFrame::LateNightFrame(QWidget* panel) : QGroupBox(panel) {
    setObjectName(QStringLiteral("Frame6"));
    setStyleSheet(PanelWidgets::groupStyle());
    setGeometry(Twips::toPixels(3465, 825, 1695, 1365));

    Check2 = new QCheckBox(QStringLiteral("深夜料金"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setAccessibleName(Check2->text());
    Check2->setStyleSheet(QStringLiteral("color: white;"));
    Check2->setGeometry(Twips::toPixels(90, 60, 1500, 270));

    const QString captions[2] = {QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
    const int maxima[2] = {2000, 3000};
    const int starts[2] = {1, 0};
    for (int i = 0; i < 2; ++i) {
        const int top = 360 + i * 495;
        auto* caption = new QLabel(captions[i], this);
        caption->setObjectName(QStringLiteral("Label3(%1)").arg(i));
        caption->setStyleSheet(QStringLiteral("color: white;"));
        caption->setGeometry(Twips::toPixels(90, top, 1000, 225));
        Label3[size_t(i)] = caption;

        auto* number = new QLabel(QString::number(starts[i]), this);
        number->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        number->setStyleSheet(QStringLiteral("color: white;"));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setGeometry(Twips::toPixels(1050, top, 540, 225));
        Label1[size_t(i)] = number;

        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("HScroll1(%1)").arg(i));
        bar->setAccessibleName(captions[i]);
        bar->setRange(0, maxima[i]);
        bar->setValue(starts[i]);
        bar->setSingleStep(1);
        bar->setPageStep(maxima[i] / 20);
        bar->setGeometry(Twips::toPixels(90, top + 225, 1500, 240));
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int value) {
            Label1[size_t(i)]->setText(QString::number(value));
            emit scrollChanged(i);
        });
        HScroll1[size_t(i)] = bar;
    }
}
