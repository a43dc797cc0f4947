#include "app/BoardPicture.h"

#include "app/BoardLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <mutex>

namespace BoardPicture {

namespace {

// The colours of one backlight state. `glow` is the light that shines through the rim and
// the cell frames; an invalid colour means the face is unlit.
struct Look {
    QColor housing;
    QColor rim;
    QColor glow;
    QColor gridPanel;
    QColor cellFace;
    QColor cellEdge;
    QColor stripTop;
    QColor stripBottom;
};

const std::array<Look, 3> Looks{{
    // OFF: the unlit face, dark grey throughout.
    {QColor(0x24, 0x26, 0x29), QColor(0x4a, 0x4d, 0x52), QColor(), QColor(0x17, 0x18, 0x1a),
     QColor(0x33, 0x35, 0x38), QColor(0x55, 0x58, 0x5c), QColor(0x2a, 0x2c, 0x2f),
     QColor(0x2a, 0x2c, 0x2f)},
    // ON1: a warm lamp behind the panel; the strips glow amber.
    {QColor(0x33, 0x2c, 0x24), QColor(0xff, 0xc4, 0x78), QColor(0xff, 0xa8, 0x40),
     QColor(0x26, 0x1e, 0x15), QColor(0x48, 0x3d, 0x30), QColor(0xd8, 0xa0, 0x58),
     QColor(0xb0, 0x6a, 0x1c), QColor(0x70, 0x3c, 0x08)},
    // ON2: a cool, brighter lamp; the strips glow blue.
    {QColor(0x24, 0x2e, 0x3a), QColor(0xa8, 0xdc, 0xff), QColor(0x58, 0xb0, 0xff),
     QColor(0x13, 0x1d, 0x29), QColor(0x35, 0x45, 0x58), QColor(0x7c, 0xbc, 0xf0),
     QColor(0x1e, 0x60, 0xa8), QColor(0x0c, 0x36, 0x6a)},
}};

// The display windows are the same in every state.
const QColor FareWindow(0x5a, 0x5a, 0x5a);
const QColor MatrixBack(0x0c, 0x0c, 0x0c);
const QColor MatrixDot(0x26, 0x22, 0x1a);
const QColor MatrixEdge(0x2e, 0x30, 0x33);

// A soft halo along a rounded outline: a few strokes, wider and fainter outwards.
void drawHalo(QPainter& p, const QRectF& outline, qreal radius, const QColor& glow) {
    p.setBrush(Qt::NoBrush);
    for (int ring = 3; ring >= 1; --ring) {
        QColor c = glow;
        c.setAlpha(40 * (4 - ring));
        p.setPen(QPen(c, ring * 2.5));
        p.drawRoundedRect(outline, radius, radius);
    }
}

void drawHousing(QPainter& p, const Look& look) {
    QLinearGradient shade(0, 0, 0, Height);
    shade.setColorAt(0, look.housing.lighter(115));
    shade.setColorAt(1, look.housing.darker(125));
    p.fillRect(0, 0, Width, Height, shade);
    const QRectF rim(1, 1, Width - 3, Height - 3);
    if (look.glow.isValid()) drawHalo(p, rim.adjusted(3, 3, -3, -3), 5, look.glow);
    p.setPen(QPen(look.rim, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rim, 6, 6);
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
    p.setPen(QPen(MatrixEdge, 2));
    p.setBrush(MatrixBack);
    p.drawRoundedRect(frame, 4, 4);
    // Unlit dots of the matrix, so the window reads as a dot display even when dark.
    p.setPen(Qt::NoPen);
    p.setBrush(MatrixDot);
    for (int y = line.top() + 2; y < line.bottom(); y += 4)
        for (int x = line.left() + 2; x < line.right(); x += 4)
            p.drawRect(x, y, 2, 2);
}

void drawCells(QPainter& p, const Look& look) {
    QRect all;
    for (int i = 1; i <= BoardLayout::Cells; ++i)
        all |= BoardLayout::cellPixels(i);
    p.setPen(Qt::NoPen);
    p.setBrush(look.gridPanel);
    p.drawRoundedRect(all.adjusted(-8, -6, 8, 6), 5, 5);

    for (int i = 1; i <= BoardLayout::Cells; ++i) {
        const QRect cell = BoardLayout::cellPixels(i);
        p.setPen(QPen(look.cellEdge, 1));
        p.setBrush(look.cellFace);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QRect label = BoardLayout::pixels(BoardLayout::labelTwips(i));
        const QRect strip(cell.left() + 2, label.top(), cell.width() - 4, label.height());
        QLinearGradient light(strip.topLeft(), strip.bottomLeft());
        light.setColorAt(0, look.stripTop);
        light.setColorAt(1, look.stripBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawRect(strip);
        const QRect fare = BoardLayout::pixels(BoardLayout::degitTwips(i));
        p.setBrush(FareWindow);
        p.drawRect(fare);
    }
}

QImage draw(const Look& look, qreal scale = 1.0) {
    QImage img(QSize(Width, Height) * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawHousing(p, look);
    drawStopNameWindow(p);
    drawCells(p, look);
    return img;
}

} // namespace

QImage image(int state) {
    // Each picture is drawn when it is first asked for: the board starts unlit, and drawing
    // the two lit ones as well cost as much as the rest of the board's start.
    static std::array<std::once_flag, 3> drawn;
    static std::array<QImage, 3> pictures;
    const size_t i = state == 1 || state == 2 ? size_t(state) : 0;
    std::call_once(drawn[i], [i] { pictures[i] = draw(Looks[i]); });
    return pictures[i];
}

QImage image(int state, qreal scale) {
    if (scale == 1.0) return image(state);
    return draw(Looks[state == 1 || state == 2 ? size_t(state) : 0], scale);
}

} // namespace BoardPicture
