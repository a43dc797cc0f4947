#pragma once
// Replacing a file's content without ever losing it: the new bytes go to a temporary file
// beside the old one, are synced to disk, and only then take the old file's place (keeping
// its permissions). Where the folder takes no new file but the file itself is writable, the
// file is overwritten in place, but only once the space for the new content is reserved; if
// writing still fails, the old content is written back.
#include <QByteArray>
#include <QString>

namespace FileReplace {

// Makes `path` hold exactly `bytes`. A symbolic link is written through when it leads to a
// regular file (the link stays, its target is replaced). Throws K41Error naming what went
// wrong, with the old file (if any) as it was: a folder, pipe, device or socket at the path
// or at the link's end, a link to nothing, a file that may not be written, a full disk, an
// I/O error. No temporary file is left behind.
void write(const QString& path, const QByteArray& bytes);

} // namespace FileReplace
