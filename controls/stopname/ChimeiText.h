#pragma once
// Text rules of the stop-name line: how a name is cut into cells of the dot strip, which
// vertical-writing forms are replaced, and which typeface draws each cell. Plain rules, no
// drawing.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace ChimeiText {

// One cell of the strip: a full-width character, or one or two half-width characters.
struct Cell {
    QString text;     // what is printed in the cell
    QByteArray bytes; // its code page 932 form (1 or 2 bytes)
};

// Cuts `name` into cells by its code page 932 form: every two bytes make a cell, so
// half-width characters pair up. A full-width character is never split: a half-width
// character directly before one keeps a cell to itself, and so does a final odd byte.
// At most `maxCells` cells are returned.
QList<Cell> cells(const QString& name, int maxCells);

// The cell with the vertical-writing forms 丨 ｜ ↓ ↑ replaced by ー － → ←.
QString uprightForm(const QString& cell);

// Code page 932 code of the cell's first character as a signed 16-bit number: double-byte
// codes are negative, single bytes 0 to 255. 0 for an empty cell.
qint16 signedCode(const QString& cell);
// The same from the cell's code page 932 bytes.
qint16 signedCode(const QByteArray& cellBytes);

// Face name ("ＭＳ ゴシック" or "ＭＳ 明朝") that draws a cell whose first character has the
// signed code `code` under `fontMode`: 0 all Gothic, 1 all Mincho, 2 kanji and half-width
// Gothic, 3 the reverse, 4 full-width digits and Latin letters Gothic; any other value all
// Gothic.
QString faceFor(qint16 fontMode, qint16 code);
inline QString faceFor(qint16 fontMode, const QString& cell) {
    return faceFor(fontMode, signedCode(cell));
}

// Faces of "次" and "は" under `tsugiwaFontMode` (0 to 3); nothing for other values, which
// keep whatever face the sampling box had last.
std::optional<QString> tsugiFace(qint16 tsugiwaFontMode);
std::optional<QString> haFace(qint16 tsugiwaFontMode);

} // namespace ChimeiText
