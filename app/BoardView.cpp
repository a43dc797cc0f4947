#include "app/BoardView.h"

#include "app/BoardLayout.h"
#include "app/BoardPicture.h"
#include "backlight/Backlight.h"

#include <QPainter>

#include <algorithm>

QSize BoardView::designedSize() {
    return Twips::toPixels(QSize(BoardLayout::ClientWidthTwips, BoardLayout::ClientHeightTwips));
}

bool BoardView::isPlain() const {
    return scale == 1.0 && window == designedSize() && origin.isNull() && !key.isValid();
}

qreal BoardView::fitScale(QSize area) {
    const QSize d = designedSize();
    const qreal s = std::min(qreal(area.width()) / d.width(), qreal(area.height()) / d.height());
    // A screen smaller than the board still shows it whole, just smaller; never nothing.
    return std::max(s, 0.25);
}

BoardView BoardView::windowed(qreal scale, QSize area, QColor key) {
    BoardView v;
    v.scale = scale > 0 ? scale : fitScale(area);
    v.window = v.faceSize();
    v.key = key;
    return v;
}

BoardView BoardView::filling(qreal scale, QSize screen, QColor key) {
    BoardView v;
    const qreal fit = fitScale(screen);
    v.scale = scale > 0 && scale <= fit ? scale : fit;
    v.window = screen;
    const QSize face = v.faceSize();
    v.origin = QPoint((screen.width() - face.width()) / 2, (screen.height() - face.height()) / 2);
    v.key = key;
    return v;
}

QImage BoardView::background(const QImage& picture, int builtinState) const {
    if (isPlain()) return Backlight::compose(picture, window);
    QImage out(window, QImage::Format_RGB32);
    if (out.isNull()) return out;
    out.fill(key.isValid() ? key : QColor(Qt::black));
    const QRect face(origin, faceSize());
    QPainter p(&out);
    if (!key.isValid()) p.fillRect(face, Backlight::PlainGrey);
    if (picture.isNull()) return out;
    p.setClipRect(face);
    if (builtinState >= 0) {
        const QImage drawn = BoardPicture::image(builtinState, scale);
        p.drawImage(QRect(origin, drawn.size()), drawn);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(origin, QSizeF(picture.size()) * scale), picture);
    }
    return out;
}
