#include "platform/FileKind.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace FileKind {

Info at(const QString& path) {
    Info info;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return info;
    if (S_ISLNK(st.st_mode)) {
        info.isLink = true;
        char target[4096];
        const ssize_t n = ::readlink(name.constData(), target, sizeof target);
        if (n > 0) info.linkTarget = QFile::decodeName(QByteArray(target, int(n)));
        if (::stat(name.constData(), &st) != 0) {
            info.kind = Kind::DanglingLink;
            return info;
        }
    }
    info.mode = st.st_mode;
    info.owner = st.st_uid;
    info.group = st.st_gid;
    if (S_ISREG(st.st_mode))
        info.kind = Kind::Regular;
    else if (S_ISDIR(st.st_mode))
        info.kind = Kind::Folder;
    else if (S_ISFIFO(st.st_mode))
        info.kind = Kind::Pipe;
    else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        info.kind = Kind::Device;
    else if (S_ISSOCK(st.st_mode))
        info.kind = Kind::Socket;
    else
        info.kind = Kind::Other;
    return info;
}

QString noun(Kind kind) {
    switch (kind) {
    case Kind::Missing:
        return QStringLiteral("存在しないファイル");
    case Kind::Regular:
        return QStringLiteral("ファイル");
    case Kind::Folder:
        return QStringLiteral("フォルダー");
    case Kind::Pipe:
        return QStringLiteral("名前付きパイプ");
    case Kind::Device:
        return QStringLiteral("デバイス");
    case Kind::Socket:
        return QStringLiteral("ソケット");
    case Kind::DanglingLink:
        return QStringLiteral("リンク先のないリンク");
    case Kind::Other:
        break;
    }
    return QStringLiteral("特殊なファイル");
}

QString notARegularFile(const Info& info, const QString& path) {
    switch (info.kind) {
    case Kind::Missing:
        return QStringLiteral("ファイルが見つかりません: %1").arg(path);
    case Kind::DanglingLink:
        return QStringLiteral("リンク先のファイルがありません: %1 → %2").arg(path, info.linkTarget);
    default:
        return QStringLiteral("ファイルではなく%1です: %2").arg(noun(info.kind), path);
    }
}

} // namespace FileKind
