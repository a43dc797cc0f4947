#include "controls/stopname/DotGlyph.h"

#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>

int DotPattern::count() const {
    int n = 0;
    for (quint32 row : rows)
        n += std::popcount(row);
    return n;
}

namespace DotGlyph {

namespace {

// Distinct cells are bounded by the code page; the limit only guards against a flood of
// odd half-width pairs.
constexpr int CacheLimit = 16384;

struct GlyphKey {
    QString text, face;
    int pixelSize, y;
    bool bold;
    bool operator==(const GlyphKey&) const = default;
};

size_t qHash(const GlyphKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.face, k.pixelSize, k.y, k.bold);
}

QHash<GlyphKey, DotPattern>& cache() {
    static QHash<GlyphKey, DotPattern> patterns;
    return patterns;
}

} // namespace

QFont font(const QString& face, int pixelSize, bool bold) {
    QFont result;
    // The installed family alone: Qt takes any further family as a fallback and then asks
    // fontconfig for a sorted fallback list for every script a text uses, glyphs missing or
    // not. Alone, the list is asked for only when a glyph is actually missing.
    result.setFamilies({Fonts::substitute(face)});
    // A pixel size, so the glyphs do not depend on the screen's dots per inch.
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setKerning(false);
    return result;
}

QImage sample(const QString& text, const QString& face, int pixelSize, bool bold, int y) {
    QImage box(DotPattern::Size, DotPattern::Size, QImage::Format_RGB32);
    box.fill(Qt::white);
    if (text.isEmpty()) return box;
    const QFont printFont = font(face, pixelSize, bold);
    QPainter painter(&box);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(printFont);
    painter.setPen(Qt::black);
    // Printing starts at the top of the character cell, so the baseline sits one ascent down.
    painter.drawText(0, y + QFontMetrics(printFont, &box).ascent(), text);
    return box;
}

DotPattern pattern(const QString& text, const QString& face, int pixelSize, bool bold, int y) {
    const GlyphKey key{text, face, pixelSize, y, bold};
    auto& patterns = cache();
    if (auto found = patterns.constFind(key); found != patterns.cend()) return *found;

    const QImage box = sample(text, face, pixelSize, bold, y);
    DotPattern dots;
    for (int r = 0; r < DotPattern::Size; ++r) {
        const auto* line = reinterpret_cast<const QRgb*>(box.constScanLine(r));
        for (int c = 0; c < DotPattern::Size; ++c)
            if ((line[c] & 0xFFFFFF) == 0) dots.rows[r] |= 1u << c; // exactly black only
    }
    if (patterns.size() >= CacheLimit) patterns.clear();
    patterns.insert(key, dots);
    return dots;
}

namespace {

// One dot square per lit dot, its corners rounded to image pixels so that neighbouring dots
// keep an even gap at any scale.
void paintScaled(QImage& image, int x, int y, const DotPattern& dots, QRgb colour, qreal scale) {
    const auto edge = [scale](qint64 logical) { return qint64(std::llround(logical * scale)); };
    const qint64 width = image.width(), height = image.height();
    for (int r = 0; r < DotPattern::Size; ++r) {
        const quint32 row = dots.rows[r];
        if (row == 0) continue;
        const qint64 top = std::max<qint64>(edge(qint64(y) + 3 * r), 0);
        const qint64 bottom = std::min(edge(qint64(y) + 3 * r + 2), height);
        for (qint64 py = top; py < bottom; ++py) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(py)));
            for (int c = 0; c < DotPattern::Size; ++c) {
                if (!(row >> c & 1u)) continue;
                const qint64 left = std::max<qint64>(edge(qint64(x) + 3 * c), 0);
                const qint64 right = std::min(edge(qint64(x) + 3 * c + 2), width);
                for (qint64 px = left; px < right; ++px)
                    line[px] = colour;
            }
        }
    }
}

} // namespace

void paint(QImage& image, int x, int y, const DotPattern& dots, QRgb colour, qreal scale) {
    if (scale != 1.0) {
        paintScaled(image, x, y, dots, colour, scale);
        return;
    }
    const qint64 width = image.width(), height = image.height();
    for (int r = 0; r < DotPattern::Size; ++r) {
        const quint32 row = dots.rows[r];
        if (row == 0) continue;
        for (int dy = 0; dy < 2; ++dy) {
            const qint64 py = qint64(y) + 3 * r + dy;
            if (py < 0 || py >= height) continue;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(py)));
            for (int c = 0; c < DotPattern::Size; ++c) {
                if (!(row >> c & 1u)) continue;
                for (int dx = 0; dx < 2; ++dx) {
                    const qint64 px = qint64(x) + 3 * c + dx;
                    if (px >= 0 && px < width) line[px] = colour;
                }
            }
        }
    }
}

int cachedCount() {
    return int(cache().size());
}

} // namespace DotGlyph
