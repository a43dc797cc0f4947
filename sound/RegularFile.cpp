#include "sound/RegularFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

int openForReading(const QString& path) {
    // Without O_NONBLOCK the open itself would wait for a pipe's writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

QByteArray read(const QString& path, qint64 maxBytes) {
    const int fd = openForReading(path);
    if (fd < 0) return {};
    QByteArray bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size <= maxBytes) {
        // Read up to one byte past the limit: a file that grew since fstat is refused too.
        bytes.resize(qsizetype(st.st_size) + 1);
        qsizetype total = 0;
        bool failed = false;
        while (total < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + total, std::size_t(bytes.size() - total));
            if (n < 0 && errno == EINTR) continue;
            failed = n < 0;
            if (n <= 0) break;
            total += n;
        }
        bytes.resize(failed || total > maxBytes ? 0 : total);
    }
    ::close(fd);
    return bytes;
}

} // namespace RegularFile
