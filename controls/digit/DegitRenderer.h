#pragma once
// Turns a digit control's display text into its image: the background, `Keta` unlit "8"
// cells from the left edge, and the lit text flush with the right edge. Widget-free.
// The unlit pattern and the lit glyphs are cached per face, size and colours, so a redraw
// is one copy and a few small blits.
#include "controls/digit/SegmentFont.h"
#include "platform/core/Colour.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

class DegitRenderer {
  public:
    struct Look {
        qint16 degitStyle = 0;
        qint16 degitSize = 0;
        bool bold = true;
        OleColor back = 0;
        OleColor unlit = 0;
        OleColor lit = 0;
        qreal scale = 1.0; // device pixels per pixel
    };

    // Redraws `image` as a surface of `surface` pixels (the image gets that size times the
    // scale). `text` is already cut to the cells; each of its characters takes one cell.
    void render(QImage& image, QSize surface, qint16 keta, const QString& text, const Look& look);

    // The process-wide renderer the controls share (GUI thread only).
    static DegitRenderer& shared();

  private:
    struct GlyphKey {
        quint8 mask;
        SegmentFont::Face face;
        qint16 size;
        bool bold;
        OleColor colour;
        qreal scale;
        bool operator==(const GlyphKey&) const = default;
    };
    struct PatternKey {
        GlyphKey glyph;
        QSize surface;
        qint16 keta;
        OleColor back;
        bool operator==(const PatternKey&) const = default;
    };
    // A finished opaque cell: background, unlit "8" and the lit glyph.
    struct CellKey {
        GlyphKey lit;
        OleColor unlit;
        OleColor back;
        bool operator==(const CellKey&) const = default;
    };
    friend size_t qHash(const GlyphKey& k, size_t seed);
    friend size_t qHash(const CellKey& k, size_t seed);
    friend size_t qHash(const PatternKey& k, size_t seed);

    const QImage& glyph(const GlyphKey& key);
    const QImage& pattern(const PatternKey& key);
    const QImage& cell(const CellKey& key);

    QHash<GlyphKey, QImage> m_glyphs;
    QHash<PatternKey, QImage> m_patterns;
    QHash<CellKey, QImage> m_cells;
};
