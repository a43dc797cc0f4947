#include "panel/PreviewPicture.h"

#include "platform/ZKP4Res.h"
#include "platform/core/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picSeirikenPrev"));
    setAccessibleName(QStringLiteral("整理券プレビュー"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    MnuHide = new QMenu(this);
    MnuHide->setObjectName(QStringLiteral("MnuHide"));
    MnuHideCopy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
    MnuHideCopy->setObjectName(QStringLiteral("MnuHideCopy"));
    connect(MnuHideCopy, &QAction::triggered, this, &PreviewPicture::MnuHideCopy_Click);
    setSizeTwips(3300, 1395);
}

void PreviewPicture::setSizeTwips(int width, int height) {
    const QSize size = Twips::toPixels(QSize(width, height)).expandedTo(QSize(1, 1));
    resize(size);
    if (m_image.size() == size) return;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, m_image);
    m_image = image;
    update();
}

void PreviewPicture::clear() {
    m_image.fill(Qt::white);
    setAccessibleDescription(QString());
    update();
}

void PreviewPicture::drawTicket(const QString& plugin, const SeirikenTicket& ticket,
                                qint32 company) {
    {
        QPainter painter(&m_image);
        ZKP4Res::ZK4_DrawSeiriken(plugin, &painter, ticket.StopName, ticket.Date, ticket.Time,
                                  ticket.Route, ticket.SeiriNum, ticket.Index, company);
    }
    ZKP4Res::PlgInfo info;
    if (ZKP4Res::ZK4_GetPlgInfo(plugin, info) != 0)
        setAccessibleDescription(
            QStringLiteral("整理券 %1 %2").arg(ticket.SeiriNum).arg(ticket.StopName));
    update();
}

void PreviewPicture::MnuHideCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_image);
}

void PreviewPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(0, 0, m_image);
}

void PreviewPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) MnuHide->popup(event->globalPosition().toPoint());
    event->accept();
}
