#pragma once
// Opening a sound file without waiting on what is not one: a named pipe or a device named
// like a sound would block the open, or feed sound for ever.
#include <QByteArray>
#include <QString>

namespace RegularFile {

// A descriptor of the plain file at `path` (a link to one is followed), opened for reading;
// -1 when there is none or it is a pipe, a device or a folder. The caller closes it.
int openForReading(const QString& path);

// The whole plain file at `path` when it holds at most `maxBytes`; an empty array when it is
// not a plain file, cannot be read or is larger.
QByteArray read(const QString& path, qint64 maxBytes);

} // namespace RegularFile
