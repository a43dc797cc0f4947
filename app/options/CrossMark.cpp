#include "app/options/CrossMark.h"

#include <QPainter>
#include <QPixmap>

namespace CrossMark {

QIcon icon() {
    QIcon icon;
    for (const int size : {12, 16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, size / 6.0, Qt::SolidLine, Qt::FlatCap));
        const double in = size * 0.22;
        const double out = size - in;
        painter.drawLine(QPointF(in, in), QPointF(out, out));
        painter.drawLine(QPointF(in, out), QPointF(out, in));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace CrossMark
