#pragma once
// Dot patterns of characters. A character is printed in black on an 18 × 18 pixel white
// sampling box, without antialiasing, and every exactly-black pixel becomes a dot. Patterns
// are computed once per text, face, size, weight and offset and kept.
#include <QFont>
#include <QImage>
#include <QString>
#include <array>

// 18 × 18 dots: bit c of rows[r] is dot (column c, row r).
struct DotPattern {
    static constexpr int Size = 18;
    std::array<quint32, Size> rows{};

    bool dot(int column, int row) const {
        return column >= 0 && column < Size && row >= 0 && row < Size && (rows[row] >> column & 1u);
    }
    int count() const;
    bool operator==(const DotPattern&) const = default;
};

namespace DotGlyph {

// Pixel sizes of the two point sizes the line uses, at 96 dots per inch.
constexpr int Size14pt = 19;
constexpr int Size12pt = 16;

// The font the sampling box prints in: `face`'s installed family (see Fonts::substitute) at a
// pixel size, unsmoothed and fully hinted.
QFont font(const QString& face, int pixelSize, bool bold);

// The pattern of `text` printed at the sampling box's top-left corner, `y` pixels down, in
// the face named `face` ("ＭＳ ゴシック", "ＭＳ 明朝" or an installed family).
DotPattern pattern(const QString& text, const QString& face, int pixelSize, bool bold, int y = 0);

// The sampling box itself after printing (white background, black ink), for checks.
QImage sample(const QString& text, const QString& face, int pixelSize, bool bold, int y = 0);

// Draws `dots` onto `image` (32-bit) with the top-left dot at (x, y): each dot a 2 × 2 square
// of `colour` on a 3-pixel pitch. Dots outside the image are left out. With a `scale` other
// than 1, (x, y), the squares and the pitch are that many image pixels each, so that a larger
// line is drawn dot by dot rather than enlarged.
void paint(QImage& image, int x, int y, const DotPattern& dots, QRgb colour, qreal scale = 1.0);

// Number of patterns currently kept (for tests of the cache).
int cachedCount();

} // namespace DotGlyph
