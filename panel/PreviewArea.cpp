#include "panel/PreviewArea.h"

#include "platform/core/Twips.h"

#include <QComboBox>
#include <QLabel>

PreviewArea::PreviewArea(QWidget* panel) : QObject(panel) {
    Label4 = new QLabel(QStringLiteral("整理券プレビュー"), panel);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: white;"));
    Label4->setGeometry(Twips::toPixels(5370, 135, 2400, 240));
    picSeirikenPrev = new QLabel(panel);
    picSeirikenPrev->setObjectName(QStringLiteral("picSeirikenPrev"));
    picSeirikenPrev->setStyleSheet(QStringLiteral("background: white;"));
    picSeirikenPrev->setGeometry(Twips::toPixels(5415, 390, 3300, 1395));
    Combo1 = new QComboBox(panel);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::toPixels(5430, 2160, 3000, 300));
}

void PreviewArea::clear() {
    picSeirikenPrev->clear();
}
