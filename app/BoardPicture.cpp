#include "app/BoardPicture.h"

#include "app/BoardLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace BoardPicture {

namespace {

const QColor Housing(0x24, 0x26, 0x29);
const QColor HousingEdge(0x4a, 0x4d, 0x52);
const QColor GridPanel(0x17, 0x18, 0x1a);
const QColor CellFace(0x33, 0x35, 0x38);
const QColor CellEdge(0x55, 0x58, 0x5c);
const QColor NumberStrip(0x2a, 0x2c, 0x2f);
const QColor FareWindow(0x5a, 0x5a, 0x5a);
const QColor MatrixBack(0x0c, 0x0c, 0x0c);
const QColor MatrixDot(0x26, 0x22, 0x1a);

void drawHousing(QPainter& p) {
    QLinearGradient shade(0, 0, 0, Height);
    shade.setColorAt(0, Housing.lighter(115));
    shade.setColorAt(1, Housing.darker(125));
    p.fillRect(0, 0, Width, Height, shade);
    p.setPen(QPen(HousingEdge, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, Width - 3, Height - 3), 6, 6);
    // Corner screws.
    for (const QPointF at : {QPointF(9, 9), QPointF(Width - 10, 9), QPointF(9, Height - 10),
                             QPointF(Width - 10, Height - 10)}) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x6b, 0x6e, 0x73));
        p.drawEllipse(at, 3.5, 3.5);
        p.drawLine(at + QPointF(-2, 0), at + QPointF(2, 0));
    }
}

void drawStopNameWindow(QPainter& p) {
    const QRect line = BoardLayout::pixels(BoardLayout::ChimeiTwips);
    const QRect frame = line.adjusted(-6, -5, 6, 5);
    p.setPen(QPen(HousingEdge.darker(160), 2));
    p.setBrush(MatrixBack);
    p.drawRoundedRect(frame, 4, 4);
    // Unlit dots of the matrix, so the window reads as a dot display even when dark.
    p.setPen(Qt::NoPen);
    p.setBrush(MatrixDot);
    for (int y = line.top() + 2; y < line.bottom(); y += 4)
        for (int x = line.left() + 2; x < line.right(); x += 4)
            p.drawRect(x, y, 2, 2);
}

void drawCells(QPainter& p) {
    QRect all;
    for (int i = 1; i <= BoardLayout::Cells; ++i)
        all |= BoardLayout::cellPixels(i);
    p.setPen(Qt::NoPen);
    p.setBrush(GridPanel);
    p.drawRoundedRect(all.adjusted(-8, -6, 8, 6), 5, 5);

    for (int i = 1; i <= BoardLayout::Cells; ++i) {
        const QRect cell = BoardLayout::cellPixels(i);
        p.setPen(QPen(CellEdge, 1));
        p.setBrush(CellFace);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QRect label = BoardLayout::pixels(BoardLayout::labelTwips(i));
        p.setPen(Qt::NoPen);
        p.setBrush(NumberStrip);
        p.drawRect(QRect(cell.left() + 2, label.top(), cell.width() - 4, label.height()));
        const QRect fare = BoardLayout::pixels(BoardLayout::degitTwips(i));
        p.setBrush(FareWindow);
        p.drawRect(fare);
    }
}

QImage draw() {
    QImage img(Width, Height, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawHousing(p);
    drawStopNameWindow(p);
    drawCells(p);
    return img;
}

} // namespace

QImage image() {
    static const QImage picture = draw();
    return picture;
}

} // namespace BoardPicture
