#pragma once
// The broadcast data file of a route, "<route>tp.csv": text in code page 932, one announcement
// a line, each line three comma-separated fields: the announcement text, the move flag (1 =
// stepping to this announcement also steps the fare data) and the sound flag (1 to 3 choose
// the sound played before it).
//
// Fields follow the usual comma-separated rules: an unquoted field ends at a comma or the line
// end and loses the spaces around it; a field in double quotes may hold commas ("" stands for
// one quote character); text after a closing quote up to the next comma is dropped. Lines end
// in CR LF, LF or CR.
//
// Each non-blank line is one record, so a damaged line never shifts the records after it: a
// line with fewer than three fields reads the missing flags as 0, fields after the third are
// ignored, a quote left open runs to the line end, and a flag that is not a number in the 16-bit
// range reads as 0. Blank lines are no records.
#include <QByteArray>
#include <QString>
#include <vector>

struct TapeRec {
    QString Text;
    qint16 MoveFlag = 0;
    qint16 SoundFlag = 0;
};

namespace TapeFile {

// A broadcast file larger than this is refused rather than held in memory.
inline constexpr qint64 MaxBytes = 32 * 1024 * 1024;

// The file of `route` in `folder` (separator already added): folder + route + "tp.csv", with
// each name matched on disk without regard to case ("7Tp.csv" is found).
QString pathFor(const QString& folder, const QString& route);

// The bytes of the file at `path`. Throws K41Error when it is missing or unreadable, is not a
// regular file (a folder, a pipe or a device, which could block the reader), or is larger than
// MaxBytes.
QByteArray readFile(const QString& path);

// The records of a file's bytes, in order.
std::vector<TapeRec> parse(const QByteArray& bytes);

// The file bytes for `records`, which parse() reads back as the same records: CR LF line
// ends, a text quoted when it holds a comma or a quote or starts or ends with a space; a line
// break inside a text (which no record can hold) becomes a space.
QByteArray format(const std::vector<TapeRec>& records);

} // namespace TapeFile
