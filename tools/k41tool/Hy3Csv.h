#pragma once
// Fare data files as UTF-8 CSV text and back, byte for byte.
//
// One stop a line in running order: stop name, ticket number, then the fares for ticket
// numbers 1, 2, ... (up to 150; missing or empty fares are 0). Names holding a comma, a
// quote, a line break, spaces at either end, or starting with '#' or '=' are quoted with
// quotes doubled. A line whose first character is an unquoted '#' is a comment; blank lines
// are skipped.
//
// What text cannot carry faithfully is written as its bytes, in hexadecimal:
//   =cp932:8365ED40      (unquoted, as a stop name) a name whose bytes are not code page 932
//                        as K41 writes it again, or that holds control characters
//   =trailing:0102       (unquoted, alone on the last line) bytes after the last row
#include "faredata/Hy3File.h"

#include <QByteArray>
#include <QString>

namespace Hy3Csv {

// The CSV text of `stored`, ending in a newline.
QByteArray toCsv(const Hy3File::Stored& stored);

// The file that `text` describes. Throws K41Error with the line that is wrong.
Hy3File::Stored fromCsv(const QString& text);

} // namespace Hy3Csv
