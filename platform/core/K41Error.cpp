#include "platform/core/K41Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <new>
#include <unistd.h>

K41Error::K41Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

K41Error K41Error::fromFile(const QFileDevice& file, const QString& path) {
    return fromFileError(file.error(), path, file.errorString());
}

K41Error K41Error::fromFileError(QFileDevice::FileError error, const QString& path,
                                 const QString& detail) {
    const QString tail = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    const QFileInfo info(path);
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::ResourceError:
    case QFileDevice::PermissionsError:
        if (!info.exists()) {
            if (!info.absoluteDir().exists())
                return K41Error(PathNotFound,
                                QStringLiteral("パスが見つかりません: %1").arg(path) + tail);
            return K41Error(FileNotFound,
                            QStringLiteral("ファイルが見つかりません: %1").arg(path) + tail);
        }
        if (info.isDir())
            return K41Error(PathFileAccess,
                            QStringLiteral("ファイルではなくフォルダーです: %1").arg(path) + tail);
        // The same mapping serves reading and writing, so the text names neither.
        if (error == QFileDevice::PermissionsError || !info.isWritable() || !info.isReadable())
            return K41Error(PermissionDenied,
                            QStringLiteral("アクセスが拒否されました: %1").arg(path) + tail);
        return K41Error(PathFileAccess, QStringLiteral("パス名が無効です: %1").arg(path) + tail);
    case QFileDevice::ReadError:
        return K41Error(DeviceIO, QStringLiteral("読み込みエラー: %1").arg(path) + tail);
    case QFileDevice::WriteError:
        if (detail.contains(QLatin1String("No space"), Qt::CaseInsensitive))
            return K41Error(DiskFull,
                            QStringLiteral("ディスクがいっぱいです: %1").arg(path) + tail);
        return K41Error(DeviceIO, QStringLiteral("書き込みエラー: %1").arg(path) + tail);
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return K41Error(PathFileAccess,
                        QStringLiteral("ファイルを置き換えできません: %1").arg(path) + tail);
    default:
        return K41Error(DeviceIO, QStringLiteral("ファイルエラー: %1").arg(path) + tail);
    }
}

K41Error K41Error::writeFailure(int error, const QString& path) {
    const QString tail = QStringLiteral(" (%1)").arg(qt_error_string(error));
    switch (error) {
    case ENOSPC:
        return K41Error(DiskFull, QStringLiteral("ディスクがいっぱいです: %1").arg(path) + tail);
    case EDQUOT:
        return K41Error(DiskFull,
                        QStringLiteral("ディスクの使用量の上限に達しました: %1").arg(path) + tail);
    case EACCES:
    case EPERM: {
        const QByteArray name = QFile::encodeName(path);
        if (::access(name.constData(), F_OK) != 0)
            return K41Error(PermissionDenied,
                            QStringLiteral("書き込みが許可されていません: %1").arg(path) + tail);
        // A file that may be read but not written is read-only; one that may be neither is
        // closed to this user altogether, and calling it read-only would mislead.
        if (::access(name.constData(), R_OK) == 0)
            return K41Error(PermissionDenied,
                            QStringLiteral("読み取り専用のため書き込めません: %1").arg(path) +
                                tail);
        return K41Error(PermissionDenied,
                        QStringLiteral("読み取りも書き込みも許可されていません: %1").arg(path) +
                            tail);
    }
    case EROFS:
        return K41Error(
            PermissionDenied,
            QStringLiteral("読み取り専用のファイルシステムのため書き込めません: %1").arg(path) +
                tail);
    case ENOENT:
    case ENOTDIR:
        return K41Error(PathNotFound, QStringLiteral("パスが見つかりません: %1").arg(path) + tail);
    case EISDIR:
        return K41Error(PathFileAccess,
                        QStringLiteral("ファイルではなくフォルダーです: %1").arg(path) + tail);
    case EIO:
        return K41Error(
            DeviceIO, QStringLiteral("書き込み中に入出力エラーが起きました: %1").arg(path) + tail);
    default:
        return K41Error(DeviceIO, QStringLiteral("書き込みエラー: %1").arg(path) + tail);
    }
}

K41Error K41Error::pastEnd(const QString& what) {
    return K41Error(InputPastEnd,
                    QStringLiteral("ファイルの終わりを越えて読み込もうとしました: %1").arg(what));
}

K41Error K41Error::subscript(const QString& what) {
    return K41Error(SubscriptOutOfRange,
                    QStringLiteral("インデックスが有効範囲にありません: %1").arg(what));
}

K41Error K41Error::from(const std::exception& e) {
    if (const auto* k41 = dynamic_cast<const K41Error*>(&e)) return *k41;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return K41Error(OutOfMemory, QStringLiteral("メモリが不足しています。"));
    return K41Error(InternalError,
                    QStringLiteral("内部エラー: %1").arg(QString::fromLocal8Bit(e.what())));
}

K41Error K41Error::invalidProperty(const QString& what) {
    return K41Error(InvalidPropertyValue, QStringLiteral("プロパティの値が無効です: %1").arg(what));
}
