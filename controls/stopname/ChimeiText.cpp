#include "controls/stopname/ChimeiText.h"

#include "platform/Fonts.h"
#include "platform/core/Codec932.h"

namespace ChimeiText {

namespace {

bool isLeadByte(quint8 b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Bytes that decode to nothing printable (a stray half of a character) draw nothing rather
// than a replacement glyph.
QString printable(const QByteArray& bytes) {
    QString text = Codec932::decode(bytes);
    text.remove(QChar(0xFFFD));
    return text;
}

} // namespace

QList<Cell> cells(const QString& name, int maxCells) {
    QList<Cell> out;
    const QByteArray bytes = Codec932::encode(name);
    const auto at = [&](int i) { return quint8(bytes.at(i)); };
    // A byte is the start of a double-byte character when it is a lead byte with a byte after it.
    const auto doubleAt = [&](int i) { return isLeadByte(at(i)) && i + 1 < bytes.size(); };

    int i = 0;
    while (i < bytes.size() && out.size() < maxCells) {
        int width = 1;
        if (doubleAt(i))
            width = 2;
        else if (i + 1 < bytes.size() && !doubleAt(i + 1))
            width = 2; // two half-width characters share the cell
        const QByteArray cellBytes = bytes.mid(i, width);
        out.append({printable(cellBytes), cellBytes});
        i += width;
    }
    return out;
}

QString uprightForm(const QString& cell) {
    QString text = cell;
    text.replace(QChar(0x4E28), QChar(0x30FC)); // 丨 → ー
    text.replace(QChar(0xFF5C), QChar(0xFF0D)); // ｜ → －
    text.replace(QChar(0x2193), QChar(0x2192)); // ↓ → →
    text.replace(QChar(0x2191), QChar(0x2190)); // ↑ → ←
    return text;
}

qint16 signedCode(const QString& cell) {
    if (cell.isEmpty()) return 0;
    const int firstLength = (cell.at(0).isHighSurrogate() && cell.size() > 1) ? 2 : 1;
    return signedCode(Codec932::encode(cell.left(firstLength)));
}

qint16 signedCode(const QByteArray& cellBytes) {
    if (cellBytes.isEmpty()) return 0;
    const quint8 first = quint8(cellBytes.at(0));
    if (!isLeadByte(first) || cellBytes.size() < 2) return qint16(first);
    return qint16(quint16((first << 8) | quint8(cellBytes.at(1))));
}

QString faceFor(qint16 fontMode, qint16 code) {
    // The boundaries are compared as signed 16-bit codes, so single bytes (positive) sort
    // above every double-byte code and fall in with the kanji.
    constexpr qint16 firstKanji = qint16(quint16(0x889F));
    constexpr qint16 fullWidthZero = qint16(quint16(0x824F));
    constexpr qint16 fullWidthSmallZ = qint16(quint16(0x829A));
    switch (fontMode) {
    case 1:
        return Fonts::Mincho;
    case 2:
        return code < firstKanji ? Fonts::Mincho : Fonts::Gothic;
    case 3:
        return code < firstKanji ? Fonts::Gothic : Fonts::Mincho;
    case 4:
        return (code >= fullWidthZero && code <= fullWidthSmallZ) ? Fonts::Gothic : Fonts::Mincho;
    default:
        return Fonts::Gothic;
    }
}

std::optional<QString> tsugiFace(qint16 tsugiwaFontMode) {
    switch (tsugiwaFontMode) {
    case 0:
    case 1:
        return Fonts::Gothic;
    case 2:
    case 3:
        return Fonts::Mincho;
    default:
        return std::nullopt;
    }
}

std::optional<QString> haFace(qint16 tsugiwaFontMode) {
    switch (tsugiwaFontMode) {
    case 0:
    case 3:
        return Fonts::Gothic;
    case 1:
    case 2:
        return Fonts::Mincho;
    default:
        return std::nullopt;
    }
}

} // namespace ChimeiText
