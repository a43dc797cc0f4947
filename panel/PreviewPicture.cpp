#include "panel/PreviewPicture.h"

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
    m_drawer = new TicketDrawer(this);
    connect(m_drawer, &TicketDrawer::drawn, this, &PreviewPicture::showDrawn);
    setSizeTwips(3300, 1395);
}

namespace {

// Keeps what `image` shows, cut or widened with white to `size`.
void fit(QImage& image, QSize size) {
    if (image.size() == size) return;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    QPainter(&fitted).drawImage(0, 0, image);
    image = fitted;
}

} // namespace

void PreviewPicture::setSizeTwips(int width, int height) {
    const QSize size = Twips::toPixels(QSize(width, height)).expandedTo(QSize(1, 1));
    resize(size);
    if (m_image.size() == size) return;
    fit(m_image, size);
    fit(m_base, size);
    m_blank = QImage(size, QImage::Format_RGB32);
    m_blank.fill(Qt::white);
    update();
}

void PreviewPicture::clear() {
    m_drawer->cancel();
    m_base = m_blank; // shared: the drawer's thread makes its own copy to draw on
    m_baseDescription.clear();
    if (m_clearPending) return;
    m_clearPending = true;
    QMetaObject::invokeMethod(this, &PreviewPicture::showCleared, Qt::QueuedConnection);
}

void PreviewPicture::showCleared() {
    if (!m_clearPending) return; // a ticket was asked for on the blank image meanwhile
    m_clearPending = false;
    m_image = m_base;
    setAccessibleDescription(m_baseDescription);
    update();
    emit shown();
}

void PreviewPicture::drawTicket(const QString& plugin, const SeirikenTicket& ticket,
                                qint32 company) {
    TicketRequest request;
    request.plugin = plugin;
    request.ticket.stopName = ticket.StopName;
    request.ticket.date = ticket.Date;
    request.ticket.time = ticket.Time;
    request.ticket.route = ticket.Route;
    request.ticket.seiriNum = ticket.SeiriNum;
    request.ticket.row = ticket.Index;
    request.ticket.company = company;
    request.base = m_base;
    m_askedDescription = QStringLiteral("整理券 %1 %2").arg(ticket.SeiriNum).arg(ticket.StopName);
    m_fallbackDescription = m_baseDescription;
    m_clearPending = false;
    m_drawer->request(std::move(request));
}

void PreviewPicture::showDrawn(const TicketResult& result) {
    const QSize size = m_image.size();
    m_image = result.image;
    fit(m_image, size); // the box may have been resized while it was drawn
    m_base = m_image;
    m_baseDescription = result.valid ? m_askedDescription : m_fallbackDescription;
    setAccessibleDescription(m_baseDescription);
    update();
    emit shown();
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
