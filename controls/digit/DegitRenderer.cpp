#include "controls/digit/DegitRenderer.h"

#include "platform/QtColour.h"
#include <QPainter>
#include <cmath>
#include <cstring>

namespace {
// Colour changes from the options dialog make new entries; old ones are dropped wholesale
// once a cache grows past what any board shows at once.
constexpr int MaxGlyphs = 512;
constexpr int MaxPatterns = 64;

QSize deviceCell(qint16 degitSize, qreal scale) {
    const QSize cell = SegmentFont::cellPixels(degitSize);
    return {qMax(1, qRound(cell.width() * scale)), qMax(1, qRound(cell.height() * scale))};
}
// Draws a premultiplied glyph over an opaque image at device column `x`, clipped. A plain
// loop is several times cheaper than setting up a painter for a few hundred pixels.
void blendOver(QImage& dst, const QImage& glyph, int x) {
    const int from = qMax(0, -x), to = qMin(glyph.width(), dst.width() - x);
    const int rows = qMin(glyph.height(), dst.height());
    const uchar* src = glyph.constBits();
    uchar* out = dst.bits();
    for (int y = 0; y < rows; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src + y * glyph.bytesPerLine());
        QRgb* d = reinterpret_cast<QRgb*>(out + y * dst.bytesPerLine()) + x;
        for (int i = from; i < to; ++i) {
            const QRgb src = s[i];
            const int a = qAlpha(src);
            if (a == 0) continue;
            if (a == 255) {
                d[i] = src;
                continue;
            }
            const QRgb old = d[i];
            const int k = 255 - a;
            d[i] = qRgb(qRed(src) + (qRed(old) * k + 127) / 255,
                        qGreen(src) + (qGreen(old) * k + 127) / 255,
                        qBlue(src) + (qBlue(old) * k + 127) / 255);
        }
    }
}

// Copies an opaque cell into an image at device column `x`, clipped.
void copyAt(QImage& dst, const QImage& cell, int x) {
    const int from = qMax(0, -x), to = qMin(cell.width(), dst.width() - x);
    const int rows = qMin(cell.height(), dst.height());
    if (to <= from) return;
    // One bits() call: scanLine() checks for sharing on every row.
    const uchar* src = cell.constBits();
    uchar* out = dst.bits();
    for (int y = 0; y < rows; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src + y * cell.bytesPerLine());
        QRgb* d = reinterpret_cast<QRgb*>(out + y * dst.bytesPerLine()) + x;
        std::memcpy(d + from, s + from, size_t(to - from) * sizeof(QRgb));
    }
}

} // namespace

size_t qHash(const DegitRenderer::GlyphKey& k, size_t seed) {
    return qHashMulti(seed, k.mask, int(k.face), k.size, k.bold, k.colour, k.scale);
}
size_t qHash(const DegitRenderer::CellKey& k, size_t seed) {
    return qHashMulti(seed, qHash(k.lit, seed), k.unlit, k.back);
}
size_t qHash(const DegitRenderer::PatternKey& k, size_t seed) {
    return qHashMulti(seed, qHash(k.glyph, seed), k.surface.width(), k.surface.height(), k.keta,
                      k.back);
}

DegitRenderer& DegitRenderer::shared() {
    static DegitRenderer renderer;
    return renderer;
}

const QImage& DegitRenderer::glyph(const GlyphKey& key) {
    auto it = m_glyphs.constFind(key);
    if (it != m_glyphs.constEnd()) return *it;
    if (m_glyphs.size() >= MaxGlyphs) m_glyphs.clear();

    const QSize cell = deviceCell(key.size, key.scale);
    QImage img(cell, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(key.scale);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::toQColor(key.colour));
    p.drawPath(SegmentFont::glyphPath(key.mask, key.face, QSizeF(cell) / key.scale, key.bold));
    p.end();
    return *m_glyphs.insert(key, img);
}

const QImage& DegitRenderer::pattern(const PatternKey& key) {
    auto it = m_patterns.constFind(key);
    if (it != m_patterns.constEnd()) return *it;
    if (m_patterns.size() >= MaxPatterns) m_patterns.clear();

    const qreal scale = key.glyph.scale;
    QImage img(QSize(qRound(key.surface.width() * scale), qRound(key.surface.height() * scale)),
               QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Colour::toQColor(key.back));
    const QImage& eight = glyph(key.glyph);
    const int cellWidth = SegmentFont::cellPixels(key.glyph.size).width();
    // Cells past the right edge are not visible; a stored cell count can be far larger
    // than the surface.
    const int cells = qMin<int>(key.keta, key.surface.width() / qMax(1, cellWidth) + 1);
    QPainter p(&img);
    for (int k = 0; k < cells; ++k)
        p.drawImage(QPointF(k * cellWidth, 0), eight);
    p.end();
    return *m_patterns.insert(key, img);
}

void DegitRenderer::render(QImage& image, QSize surface, qint16 keta, const QString& text,
                           const Look& look) {
    if (surface.isEmpty()) {
        image = QImage();
        return;
    }
    const SegmentFont::Face face = SegmentFont::faceForStyle(look.degitStyle);
    const qint16 size = look.degitSize >= 1 && look.degitSize <= 3 ? look.degitSize : 0;
    const GlyphKey unlitKey{
        SegmentFont::AllSegments, face, size, look.bold, look.unlit, look.scale};
    // Sharing the cached pattern makes the copy happen only when the lit pass paints.
    image = pattern(PatternKey{unlitKey, surface, keta < 0 ? qint16(0) : keta, look.back});
    if (text.isEmpty()) return;

    const int cellWidth = SegmentFont::cellPixels(size).width();
    const int left = surface.width() - int(text.size()) * cellWidth;
    for (int i = 0; i < text.size(); ++i) {
        const quint8 mask = SegmentFont::segmentsOf(text.at(i));
        const int x = left + i * cellWidth;
        if (mask == 0 || x >= surface.width() || x + cellWidth <= 0) continue;
        const GlyphKey litKey{mask, face, size, look.bold, look.lit, look.scale};
        const int deviceX = qRound(x * look.scale);
        // Normally the lit text lands exactly on unlit cells, and a finished cell can be
        // copied; a host that sized the surface differently gets the glyph blended.
        const bool onCell = x >= 0 && x % cellWidth == 0 && x / cellWidth < keta &&
                            x + cellWidth <= surface.width();
        if (onCell)
            copyAt(image, cell(CellKey{litKey, look.unlit, look.back}), deviceX);
        else
            blendOver(image, glyph(litKey), deviceX);
    }
}

const QImage& DegitRenderer::cell(const CellKey& key) {
    auto it = m_cells.constFind(key);
    if (it != m_cells.constEnd()) return *it;
    if (m_cells.size() >= MaxGlyphs) m_cells.clear();

    GlyphKey unlitKey = key.lit;
    unlitKey.mask = SegmentFont::AllSegments;
    unlitKey.colour = key.unlit;
    QImage img(glyph(key.lit).size(), QImage::Format_RGB32);
    img.fill(Colour::toQColor(key.back));
    blendOver(img, glyph(unlitKey), 0);
    blendOver(img, glyph(key.lit), 0);
    img.setDevicePixelRatio(key.lit.scale);
    return *m_cells.insert(key, img);
}
