#include "controls/digit/DegitRenderer.h"

#include <QPainter>
#include <cmath>

namespace {
// Colour changes from the options dialog make new entries; old ones are dropped wholesale
// once a cache grows past what any board shows at once.
constexpr int MaxGlyphs = 512;
constexpr int MaxPatterns = 64;

QSize deviceCell(qint16 degitSize, qreal scale) {
    const QSize cell = SegmentFont::cellPixels(degitSize);
    return {qMax(1, qRound(cell.width() * scale)), qMax(1, qRound(cell.height() * scale))};
}
} // namespace

size_t qHash(const DegitRenderer::GlyphKey& k, size_t seed) {
    return qHashMulti(seed, k.mask, int(k.face), k.size, k.bold, k.colour, k.scale);
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
    for (int k = 0; k < cells; ++k) p.drawImage(QPointF(k * cellWidth, 0), eight);
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
    const GlyphKey unlitKey{SegmentFont::AllSegments, face, size, look.bold, look.unlit, look.scale};
    // Sharing the cached pattern makes the copy happen only when the lit pass paints.
    image = pattern(PatternKey{unlitKey, surface, keta < 0 ? qint16(0) : keta, look.back});
    if (text.isEmpty()) return;

    const int cellWidth = SegmentFont::cellPixels(size).width();
    const int left = surface.width() - int(text.size()) * cellWidth;
    QPainter p;
    for (int i = 0; i < text.size(); ++i) {
        const quint8 mask = SegmentFont::segmentsOf(text.at(i));
        const int x = left + i * cellWidth;
        if (mask == 0 || x >= surface.width() || x + cellWidth <= 0) continue;
        if (!p.isActive()) p.begin(&image);
        p.drawImage(QPointF(x, 0),
                    glyph(GlyphKey{mask, face, size, look.bold, look.lit, look.scale}));
    }
}
