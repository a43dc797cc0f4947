#include "platform/core/FileKind.h"

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
    info.kind = ofMode(st.st_mode);
    return info;
}

Kind ofMode(mode_t mode) {
    if (S_ISREG(mode)) return Kind::Regular;
    if (S_ISDIR(mode)) return Kind::Folder;
    if (S_ISFIFO(mode)) return Kind::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Kind::Device;
    if (S_ISSOCK(mode)) return Kind::Socket;
    return Kind::Other;
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
