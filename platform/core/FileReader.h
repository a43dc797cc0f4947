#pragma once
// The one way K41 and k41tool read a file. Only regular files are read: opening a named pipe,
// a device or a socket could wait for good or never end, so those are refused before any byte
// is read. Every failure is a K41Error naming what is at the path.
#include <QByteArray>
#include <QString>

namespace FileReader {

// Reads at most `limit` bytes from the start of the regular file at `path`. A longer file is
// cut at `limit`; callers that must see the whole file ask for one byte more than they accept
// and check the size.
QByteArray read(const QString& path, qint64 limit);

// Opens the regular file at `path` for reading and returns its descriptor, for libraries that
// read through a descriptor of their own. The caller owns (and closes) it.
int openRegular(const QString& path);

} // namespace FileReader
