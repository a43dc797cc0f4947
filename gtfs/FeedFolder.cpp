#include "gtfs/FeedFolder.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

FeedFolder::FeedFolder(const QString& path) : FeedArchive(path) {
    const QDir dir(path);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (names.size() > MaxEntries)
        throw K41Error(K41Error::PathFileAccess,
                       QStringLiteral("%1 にはファイルが多すぎます").arg(path));
    for (const QString& n : names)
        m_files.insert(n.toLower(), dir.filePath(n));
}

bool FeedFolder::has(const QString& file) const {
    return m_files.contains(file.toLower());
}

qint64 FeedFolder::declaredSize(const QString& file) const {
    return QFileInfo(m_files.value(file.toLower())).size();
}

void FeedFolder::readBounded(const QString& file, qint64 budget, const Sink& sink) {
    const QString path = m_files.value(file.toLower());
    if (path.isEmpty())
        throw K41Error(K41Error::FileNotFound,
                       QStringLiteral("%1 に %2 がありません").arg(name(), file));
    const int fd = FileReader::openRegular(path);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), size_t(buffer.size()));
        if (got < 0) {
            if (errno == EINTR) continue;
            throw K41Error(K41Error::DeviceIO, QStringLiteral("%1 を読めません").arg(path));
        }
        if (got == 0) break;
        total += got;
        if (total > budget) throw K41Error(K41Error::OutOfMemory, tooLarge(file));
        sink(buffer.constData(), got);
    }
}
