#include "platform/core/FileReader.h"

#include "platform/core/FileKind.h"
#include "platform/core/K41Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReader {

namespace {

K41Error notRegular(const QString& path, mode_t mode) {
    if (S_ISDIR(mode))
        return K41Error(K41Error::PathFileAccess,
                        QStringLiteral("ファイルではなくフォルダーです: %1").arg(path));
    return K41Error(K41Error::PathFileAccess,
                    QStringLiteral("通常のファイルではないため読み込めません（%1）: %2")
                        .arg(FileKind::noun(FileKind::ofMode(mode)), path));
}

K41Error openFailure(const QString& path, int error) {
    const QString detail = QString::fromLocal8Bit(std::strerror(error));
    const QFileInfo info(path);
    switch (error) {
    case ENOENT:
        if (info.isSymLink())
            return K41Error(K41Error::FileNotFound,
                            QStringLiteral("リンク先のファイルがありません: %1").arg(path));
        if (!info.absoluteDir().exists())
            return K41Error(K41Error::PathNotFound,
                            QStringLiteral("パスが見つかりません: %1").arg(path));
        return K41Error(K41Error::FileNotFound,
                        QStringLiteral("ファイルが見つかりません: %1").arg(path));
    case ENOTDIR:
        return K41Error(K41Error::PathNotFound,
                        QStringLiteral("パスが見つかりません: %1").arg(path));
    case EACCES:
    case EPERM:
        return K41Error(K41Error::PermissionDenied,
                        QStringLiteral("読み取りが許可されていません: %1").arg(path));
    case EISDIR:
        return notRegular(path, S_IFDIR);
    case ENAMETOOLONG:
    case ELOOP:
        return K41Error(K41Error::BadFileName,
                        QStringLiteral("ファイル名が無効です: %1 (%2)").arg(path, detail));
    default:
        return K41Error(K41Error::PathFileAccess,
                        QStringLiteral("ファイルを開けません: %1 (%2)").arg(path, detail));
    }
}

} // namespace

int openRegular(const QString& path) {
    if (path.isEmpty()) throw K41Error(K41Error::BadFileName, QStringLiteral("ファイル名が空です"));
    // O_NONBLOCK keeps the open itself from waiting on a pipe without a writer; the kind of
    // file is then checked on what was really opened, so nothing swapped in between slips by.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw openFailure(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const mode_t mode = st.st_mode;
        ::close(fd);
        throw notRegular(path, mode);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

QByteArray read(const QString& path, qint64 limit) {
    const int fd = openRegular(path);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw K41Error::fromFile(file, path);
    }
    // Reserve only what the file holds, so a small limit or a huge file costs nothing extra.
    const qint64 want = std::max<qint64>(0, std::min(limit, file.size()));
    QByteArray bytes = file.read(want);
    if (file.error() != QFileDevice::NoError) throw K41Error::fromFile(file, path);
    // A file that grew since its size was read: take the rest up to the limit.
    while (bytes.size() < limit && !file.atEnd()) {
        const QByteArray more = file.read(std::min<qint64>(limit - bytes.size(), 1 << 20));
        if (file.error() != QFileDevice::NoError) throw K41Error::fromFile(file, path);
        if (more.isEmpty()) break;
        bytes += more;
    }
    return bytes;
}

} // namespace FileReader
