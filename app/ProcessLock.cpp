#include "app/ProcessLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A lock over the whole file, however long it grows.
struct flock wholeFile(short type) {
    struct flock range = {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    return range;
}

// Whether `fd` is still the file named `path`: a holder that gives the lock up removes the file
// first, so a lock won on the removed file guards nothing.
bool stillNamed(int fd, const QByteArray& path) {
    struct stat opened, named;
    return fstat(fd, &opened) == 0 && stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

ProcessLock::ProcessLock(QString path) : m_path(std::move(path)) {}

ProcessLock::~ProcessLock() {
    if (m_fd < 0) return;
    // Removed before the lock goes, so that whoever waits finds either this file still locked
    // or no file at all, never this file unlocked at the path. A file someone put there since
    // is another process's lock.
    const QByteArray path = QFile::encodeName(m_path);
    if (stillNamed(m_fd, path)) unlink(path.constData());
    close(m_fd);
}

ProcessLock::State ProcessLock::tryLock() {
    if (m_fd >= 0) return State::Locked;
    const QByteArray path = QFile::encodeName(m_path);
    // A few rounds: each lost one means another process removed or released the file in between.
    for (int round = 0; round < 16; ++round) {
        const int fd =
            open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666);
        if (fd < 0) return State::Unavailable;
        struct flock range = wholeFile(F_WRLCK);
        if (fcntl(fd, F_SETLK, &range) != 0) {
            const int error = errno;
            struct flock holder = wholeFile(F_WRLCK);
            const bool asked = fcntl(fd, F_GETLK, &holder) == 0;
            close(fd); // this process holds no lock on the file, so closing drops nothing
            if (error == EINTR) continue;
            if (error != EACCES && error != EAGAIN) return State::Unavailable;
            if (asked && holder.l_type == F_UNLCK) continue; // released meanwhile
            m_holder = asked ? qint64(holder.l_pid) : 0;
            return State::HeldElsewhere;
        }
        if (stillNamed(fd, path)) {
            m_fd = fd;
            m_holder = 0;
            writeOwner();
            return State::Locked;
        }
        close(fd);
    }
    return State::Unavailable;
}

void ProcessLock::writeOwner() const {
    // For people and tools that look; the lock itself is the kernel's, so a full disk that
    // leaves the text short or empty changes nothing about who holds it.
    const QByteArray owner = QByteArray::number(qint64(getpid())) + '\n' +
                             QCoreApplication::applicationName().toUtf8() + '\n' +
                             QSysInfo::machineHostName().toUtf8() + '\n';
    if (ftruncate(m_fd, 0) != 0) return;
    qsizetype written = 0;
    while (written < owner.size()) {
        const ssize_t n = pwrite(m_fd, owner.constData() + written, size_t(owner.size() - written),
                                 off_t(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        written += n;
    }
}
