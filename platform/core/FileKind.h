#pragma once
// What is at a path, told apart the way a user needs it named in a message: a regular file,
// a folder, a pipe, a device, a socket, a link whose target is missing, or nothing.
#include <QString>
#include <sys/types.h>

namespace FileKind {

enum class Kind { Missing, Regular, Folder, Pipe, Device, Socket, DanglingLink, Other };

struct Info {
    Kind kind = Kind::Missing;
    bool isLink = false; // the path itself is a symbolic link
    QString linkTarget;  // what the link names, as written in it
    mode_t mode = 0;     // of what the path leads to, links followed
    uid_t owner = 0;
    gid_t group = 0;
};

// Follows links to the end; a link that leads nowhere (or round in a loop) is DanglingLink.
Info at(const QString& path);

// The kind of file that a stat() mode describes.
Kind ofMode(mode_t mode);

// The kind as a noun for messages: "フォルダー", "名前付きパイプ", "デバイス", ...
QString noun(Kind kind);

// "ファイルではなく名前付きパイプです: path" and the like, for anything but a regular file
// (or a missing one, for which it says the file is not found).
QString notARegularFile(const Info& info, const QString& path);

} // namespace FileKind
