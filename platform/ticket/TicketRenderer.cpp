#include "platform/ticket/TicketRenderer.h"

#include "platform/core/Twips.h"
#include "platform/ticket/BarcodeSymbol.h"
#include "platform/ticket/TicketContent.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

using Kind = TicketItem::Kind;

namespace {

QRectF pixels(const QRect& twips, double scale) {
    const double k = scale / Twips::PerPixel;
    return QRectF(twips.x() * k, twips.y() * k, twips.width() * k, twips.height() * k);
}

QColor colour(quint32 rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

QFont itemFont(const TicketItem& item, double scale) {
    QFont font(item.font);
    font.setFamilies({item.font});
    // Points to pixels at 96 dpi, so that a ticket looks alike on every screen and in files.
    font.setPixelSize(std::max(1, int(std::lround(item.size * 96.0 / 72.0 * scale))));
    font.setBold(item.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A text that is wider than its box is squeezed sideways, the way ticket printers
// condense a long stop name, rather than cut.
void drawText(QPainter& painter, const TicketItem& item, const QString& text, const QRectF& box,
              double scale) {
    if (text.isEmpty()) return;
    QFont font = itemFont(item, scale);
    // No taller than the box: the rest would be cut off anyway, and drawing it would cost
    // the time of the whole glyph.
    const int tallest = std::max(1, int(std::floor(box.height())));
    if (font.pixelSize() > tallest) font.setPixelSize(tallest);
    painter.setFont(font);
    painter.setPen(colour(item.colour));
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    const double squeeze = width > box.width() ? box.width() / width : 1.0;
    Qt::Alignment align = Qt::AlignVCenter;
    align |= item.align == TicketItem::Align::Center  ? Qt::AlignHCenter
             : item.align == TicketItem::Align::Right ? Qt::AlignRight
                                                      : Qt::AlignLeft;
    painter.save();
    painter.translate(box.left(), box.top());
    painter.scale(squeeze, 1.0);
    painter.drawText(QRectF(0, 0, box.width() / squeeze, box.height()),
                     int(align) | Qt::TextSingleLine, text);
    painter.restore();
}

// Modules are whole pixels: a reader tells bars apart by their widths, which blurred edges
// of a fractional module would change. A symbol that does not fit its box at one pixel a
// module is not drawn.
void drawBarcode(QPainter& painter, const TicketPlugin& plugin, const TicketItem& item,
                 const TicketData& ticket, const QRectF& box, double scale) {
    const std::optional<QString> data = TicketContent::barcodeData(plugin, item, ticket);
    if (!data) return;
    const BarcodeSymbol symbol(item.symbology, *data);
    if (!symbol.isValid()) return;

    QRectF bars = box;
    if (item.humanReadable && !symbol.isMatrix()) {
        TicketItem label = item;
        label.size = std::max(1.0, box.height() * 0.22 * 72.0 / 96.0 / scale);
        label.align = TicketItem::Align::Center;
        const double textHeight = box.height() * 0.3;
        drawText(painter, label, *data,
                 QRectF(box.left(), box.bottom() - textHeight, box.width(), textHeight), scale);
        bars.setHeight(box.height() - textHeight);
    }
    const int span = symbol.columns() + 2 * symbol.quietZone();
    int module = int(std::floor(bars.width() / span));
    if (symbol.isMatrix())
        module = std::min(
            module, int(std::floor(bars.height() / (symbol.rows() + 2 * symbol.quietZone()))));
    if (module < 1) return;

    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(item.colour));
    const double left = std::round(bars.left() + (bars.width() - symbol.columns() * module) / 2);
    if (symbol.isMatrix()) {
        const double top = std::round(bars.top() + (bars.height() - symbol.rows() * module) / 2);
        for (int r = 0; r < symbol.rows(); ++r)
            for (int c = 0; c < symbol.columns(); ++c)
                if (symbol.module(r, c))
                    painter.drawRect(QRectF(left + c * module, top + r * module, module, module));
        return;
    }
    const double top = std::round(bars.top());
    const double height = std::floor(bars.height());
    for (int c = 0; c < symbol.columns(); ++c) {
        if (!symbol.module(0, c)) continue;
        int run = 1;
        while (c + run < symbol.columns() && symbol.module(0, c + run))
            ++run;
        painter.drawRect(QRectF(left + c * module, top, run * module, height));
        c += run - 1;
    }
}

} // namespace

namespace TicketRenderer {

void draw(QPainter& painter, const TicketPlugin& plugin, const TicketData& ticket, double scale,
          std::stop_token stop) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF paper = pixels(QRect(0, 0, plugin.width(), plugin.height()), scale);
    painter.fillRect(paper, colour(plugin.paper));
    for (const TicketItem& item : plugin.items) {
        if (stop.stop_requested()) break;
        const QRectF box = pixels(item.box, scale);
        painter.save();
        painter.setClipRect(box.intersected(paper));
        switch (item.kind) {
        case Kind::Rule:
            painter.fillRect(box, colour(item.colour));
            break;
        case Kind::Frame: {
            const double line = std::max(1.0, item.lineWidth * scale / Twips::PerPixel);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour(item.colour));
            const QRectF inner = box.adjusted(line, line, -line, -line);
            QPainterPath path;
            path.addRect(box);
            if (inner.isValid()) path.addRect(inner);
            painter.drawPath(path);
            break;
        }
        case Kind::Barcode:
            drawBarcode(painter, plugin, item, ticket, box, scale);
            break;
        default:
            drawText(painter, item, TicketContent::itemText(plugin, item, ticket), box, scale);
            break;
        }
        painter.restore();
    }
    painter.restore();
}

QImage render(const TicketPlugin& plugin, const TicketData& ticket, double scale) {
    const QSize size(std::max(1, int(std::lround(plugin.width() * scale / Twips::PerPixel))),
                     std::max(1, int(std::lround(plugin.height() * scale / Twips::PerPixel))));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, plugin, ticket, scale);
    return image;
}

} // namespace TicketRenderer
