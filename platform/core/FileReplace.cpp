#include "platform/core/FileReplace.h"

#include "platform/core/FileKind.h"
#include "platform/core/FileOps.h"
#include "platform/core/K41Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace FileReplace {

namespace {

struct Target {
    QString path; // the regular file to replace (a link's end), or the new file's path
    FileKind::Info info;
    bool exists() const { return info.kind == FileKind::Kind::Regular; }
};

Target targetOf(const QString& path) {
    const FileKind::Info info = FileKind::at(path);
    if (info.kind == FileKind::Kind::Missing) return {path, info};
    // Replacing what is not a regular file would put a file where a device or pipe was (as
    // root, even in /dev); writing into it could block or never end.
    if (info.kind != FileKind::Kind::Regular)
        throw K41Error(K41Error::PathFileAccess, FileKind::notARegularFile(info, path));
    const QString file = info.isLink ? QFileInfo(path).canonicalFilePath() : path;
    if (::access(QFile::encodeName(file).constData(), W_OK) != 0)
        throw K41Error::writeFailure(errno, file);
    return {file, info};
}

// Writes all of `bytes`; a short write is continued, so only a real error stops it.
bool writeAll(FileOps& ops, int fd, const QByteArray& bytes, bool positioned) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.constData() + done;
        const size_t left = size_t(bytes.size() - done);
        const ssize_t n =
            positioned ? ops.pwrite(fd, from, left, off_t(done)) : ops.write(fd, from, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC; // nothing written and no reason given: no room
            return false;
        }
        done += n;
    }
    return true;
}

// A temporary file beside the target; removed unless it has taken the target's place.
class TempFile {
  public:
    TempFile(FileOps& ops, const QString& target) : m_ops(ops) {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            const QString name = info.dir().filePath(
                QStringLiteral(".%1.%2.tmp")
                    .arg(info.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            m_name = QFile::encodeName(name);
            m_fd = ops.open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST) break;
        }
        m_error = errno;
    }
    ~TempFile() {
        const int saved = errno;
        if (m_fd >= 0) m_ops.close(m_fd);
        if (!m_placed && m_fd != NeverOpened) m_ops.unlink(m_name.constData());
        errno = saved;
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int openError() const { return m_error; }
    int fd() const { return m_fd; }
    const char* name() const { return m_name.constData(); }
    // The descriptor was closed (successfully or not): never close it again.
    void forgetDescriptor() { m_fd = Closed; }
    void placed() { m_placed = true; }

  private:
    static constexpr int NeverOpened = -1;
    static constexpr int Closed = -2;
    FileOps& m_ops;
    QByteArray m_name;
    int m_fd = NeverOpened;
    int m_error = 0;
    bool m_placed = false;
};

// The usual way. False when the folder takes no new file (the caller may write in place).
bool writeBeside(FileOps& ops, const Target& target, const QByteArray& bytes) {
    TempFile temp(ops, target.path);
    if (!temp.isOpen()) {
        const int error = temp.openError();
        if ((error == EACCES || error == EPERM) && target.exists()) return false;
        if (error == EACCES || error == EPERM)
            throw K41Error(
                K41Error::PermissionDenied,
                QStringLiteral(
                    "フォルダーにファイルを作成できません（書き込みが許可されていません）: %1")
                    .arg(target.path));
        throw K41Error::writeFailure(error, target.path);
    }
    const mode_t mode = target.exists() ? (target.info.mode & 07777) : mode_t(0);
    if (target.exists()) {
        // The new file takes the old one's permissions: a private file stays private.
        if (ops.fchmod(temp.fd(), mode) != 0) throw K41Error::writeFailure(errno, target.path);
        // Only root can hand a file back to its owner; a file system without owners refuses,
        // and the file is then simply ours, as it would be anyway for anyone but root.
        if (::geteuid() == 0 && ::fchown(temp.fd(), target.info.owner, target.info.group) != 0)
            errno = 0;
    }
    if (!writeAll(ops, temp.fd(), bytes, false) || ops.fsync(temp.fd()) != 0)
        throw K41Error::writeFailure(errno, target.path);
    const int fd = temp.fd();
    temp.forgetDescriptor();
    if (ops.close(fd) != 0) throw K41Error::writeFailure(errno, target.path);
    if (ops.rename(temp.name(), QFile::encodeName(target.path).constData()) != 0)
        throw K41Error::writeFailure(errno, target.path);
    temp.placed();
    // The new file is in place and visible; syncing the folder only makes the rename survive
    // a power cut, and there is nothing left to undo if it fails.
    const int dir = ::open(QFile::encodeName(QFileInfo(target.path).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

// Overwrites the old file itself. The space is reserved first, so a full disk refuses the
// save before anything changes; should a write fail anyway, the old bytes are put back.
void writeInPlace(FileOps& ops, const Target& target, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(target.path);
    const int fd = ops.open(name.constData(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) throw K41Error::writeFailure(errno, target.path);
    struct Closer {
        FileOps& ops;
        int fd;
        bool open = true;
        ~Closer() {
            if (open) ops.close(fd);
        }
    } closer{ops, fd};

    QByteArray old;
    const off_t oldSize = ::lseek(fd, 0, SEEK_END);
    if (oldSize < 0) throw K41Error::writeFailure(errno, target.path);
    old.resize(qsizetype(oldSize));
    for (qsizetype done = 0; done < old.size();) {
        const ssize_t n = ops.pread(fd, old.data() + done, size_t(old.size() - done), off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            throw K41Error(
                K41Error::DeviceIO,
                QStringLiteral("上書きの前に元の内容を読み取れません: %1").arg(target.path));
        done += n;
    }

    const off_t newSize = off_t(bytes.size());
    if (newSize > oldSize && ops.reserve(fd, newSize) != 0) {
        const int error = errno;
        ops.ftruncate(fd, oldSize); // a partial reservation may have grown the file
        throw K41Error::writeFailure(error, target.path);
    }
    const auto restore = [&](int descriptor) {
        return writeAll(ops, descriptor, old, true) && ops.ftruncate(descriptor, oldSize) == 0 &&
               ops.fsync(descriptor) == 0;
    };
    const auto failure = [&](int error, bool restored) {
        const K41Error e = K41Error::writeFailure(error, target.path);
        if (restored) return e;
        return K41Error(e.number(),
                        e.description() + QStringLiteral("（元の内容を書き戻せませんでした）"));
    };
    const bool written = writeAll(ops, fd, bytes, true) &&
                         (newSize >= oldSize || ops.ftruncate(fd, newSize) == 0) &&
                         ops.fsync(fd) == 0;
    if (!written) {
        const int error = errno;
        throw failure(error, restore(fd));
    }
    closer.open = false;
    if (ops.close(fd) != 0) {
        // What the close reports may have been lost: put the old bytes back, as for any
        // other failure, through a new descriptor.
        const int error = errno;
        const int again = ops.open(name.constData(), O_RDWR | O_CLOEXEC, 0);
        bool restored = again >= 0 && restore(again);
        if (again >= 0) restored = ops.close(again) == 0 && restored;
        throw failure(error, restored);
    }
}

} // namespace

void write(const QString& path, const QByteArray& bytes) {
    FileOps& ops = FileOps::active();
    const Target target = targetOf(path);
    if (!writeBeside(ops, target, bytes)) writeInPlace(ops, target, bytes);
}

} // namespace FileReplace
