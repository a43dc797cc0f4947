#include "panel/PreviewArea.h"

#include "panel/PreviewPicture.h"
#include "platform/core/Twips.h"

#include <QComboBox>
#include <QLabel>

PreviewArea::PreviewArea(QWidget* panel) : QObject(panel) {
    Label4 = new QLabel(QStringLiteral("整理券プレビュー"), panel);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: white;"));
    Label4->setGeometry(Twips::toPixels(5370, 135, 2400, 240));
    picSeirikenPrev = new PreviewPicture(panel);
    picSeirikenPrev->move(Twips::toPixels(QPoint(5415, 390)));
    Combo1 = new QComboBox(panel);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::toPixels(5430, 2160, 3000, 300));
    setOpen(false);
}

void PreviewArea::setOpen(bool open) {
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(picSeirikenPrev),
                       static_cast<QWidget*>(Combo1)})
        w->setVisible(open);
}

void PreviewArea::clear() {
    picSeirikenPrev->clear();
}

void PreviewArea::draw(const QString& plugin, const SeirikenTicket& ticket) {
    picSeirikenPrev->drawTicket(plugin, ticket, Combo1->currentIndex());
}
