#pragma once
// The fare data file (*.hy3): little-endian, a signed 16-bit row count, then the rows back to
// back, each a 16-bit name length, the stop name in code page 932, the signed 16-bit ticket
// number and 150 signed 16-bit fares. No header, no checksum; bytes after the last row are
// ignored. K41 and k41tool read and check files with these same functions, so they agree on
// every file.
#include "faredata/FareRow.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace Hy3File {

constexpr int MaxRows = 301;
constexpr int FixedRowBytes = 2 + 2 + 2 * FareRow::FareCount; // 304 + name length
// No complete file of at most MaxRows rows is longer than this; anything after it is never read.
constexpr qint64 MaxUsefulBytes = 2 + qint64(MaxRows) * (FixedRowBytes + 0xFFFF);

// A file as stored, byte for byte: each stop name as its code page 932 bytes, and whatever
// follows the last row. k41tool works on this form so that it gives every file back exactly.
struct StoredRow {
    QByteArray name;
    qint16 SeiriNum = 0;
    std::array<qint16, FareRow::FareCount> Fares{};
};
struct Stored {
    std::vector<StoredRow> rows;
    QByteArray trailing; // bytes after the last row, which K41 never reads
};

// The row count. An empty file reads as 0 (a route registered without data); a file of one
// byte is damaged (K41Error 62).
qint16 readCount(const QByteArray& bytes);

// Every row of a complete file. Throws K41Error with a description naming what is wrong:
// 9 when the count is not 1 to 301, 62 when the file ends before the rows it announces (cut
// inside a row, a name length past the end). Never reads past the end of `bytes` and never
// reserves more rows than the bytes can hold.
std::vector<FareRow> readRows(const QByteArray& bytes);

// The same reading, keeping the names' bytes and the bytes after the last row.
Stored readStored(const QByteArray& bytes);

// The file bytes for `rows`. Throws K41Error 9 for no rows or more than 301, and for a name
// that takes more than 65535 bytes in code page 932.
QByteArray write(const std::vector<FareRow>& rows);
// The file bytes for `stored`, trailing bytes included; refuses what write() refuses.
QByteArray writeStored(const Stored& stored);

// The first MaxUsefulBytes bytes of the file at `path` (a path on this system), in one read.
// A file that cannot be opened or read is the matching K41Error (53 when missing); a pipe or
// device in its place is K41Error 75 and is never opened.
QByteArray readFile(const QString& path);

// Verdict of a file for k41tool's check, from the same reading as above: ok is true when
// readRows accepts the file; warning is set when it holds fewer than two rows, so no section
// can be started from; otherwise reason says what is wrong.
struct Check {
    bool ok = false;
    int rows = 0;
    QString warning;
    QString reason;
};
Check check(const QByteArray& bytes);

} // namespace Hy3File
