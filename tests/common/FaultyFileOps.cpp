#include "tests/common/FaultyFileOps.h"

#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>

FaultyFileOps::FaultyFileOps(int failAt, Fault fault, bool readOnlyFolder)
    : m_failAt(failAt), m_fault(fault), m_readOnlyFolder(readOnlyFolder) {}

const char* FaultyFileOps::name(Fault fault) {
    switch (fault) {
    case Fault::NoSpace:
        return "no space";
    case Fault::IOError:
        return "I/O error";
    case Fault::ShortThenNoSpace:
        return "short write, then no space";
    case Fault::ShortOnly:
        return "short write";
    }
    return "?";
}

int FaultyFileOps::failingErrno() const {
    return m_fault == Fault::IOError ? EIO : ENOSPC;
}

FaultyFileOps::Action FaultyFileOps::next(bool isWrite) {
    if (isWrite && m_failNextWrite) {
        m_failNextWrite = false;
        errno = ENOSPC;
        return Action::Fail;
    }
    if (++m_calls != m_failAt) return Action::Pass;
    const bool shortens = m_fault == Fault::ShortThenNoSpace || m_fault == Fault::ShortOnly;
    if (shortens && !isWrite) return Action::Pass; // only a write can be short
    m_fired = true;
    if (shortens) {
        m_failNextWrite = m_fault == Fault::ShortThenNoSpace;
        return Action::Short;
    }
    errno = failingErrno();
    return Action::Fail;
}

int FaultyFileOps::open(const char* path, int flags, mode_t mode) {
    if (m_readOnlyFolder && (flags & O_CREAT)) {
        errno = EACCES;
        return -1;
    }
    return next(false) == Action::Fail ? -1 : FileOps::open(path, flags, mode);
}

ssize_t FaultyFileOps::write(int fd, const void* data, size_t size) {
    switch (next(true)) {
    case Action::Fail:
        return -1;
    case Action::Short:
        return FileOps::write(fd, data, size > 1 ? size / 2 : size);
    case Action::Pass:
        break;
    }
    return FileOps::write(fd, data, size);
}

ssize_t FaultyFileOps::pwrite(int fd, const void* data, size_t size, off_t offset) {
    switch (next(true)) {
    case Action::Fail:
        return -1;
    case Action::Short:
        return FileOps::pwrite(fd, data, size > 1 ? size / 2 : size, offset);
    case Action::Pass:
        break;
    }
    return FileOps::pwrite(fd, data, size, offset);
}

int FaultyFileOps::reserve(int fd, off_t length) {
    return next(false) == Action::Fail ? -1 : FileOps::reserve(fd, length);
}
int FaultyFileOps::ftruncate(int fd, off_t length) {
    return next(false) == Action::Fail ? -1 : FileOps::ftruncate(fd, length);
}
int FaultyFileOps::fchmod(int fd, mode_t mode) {
    return next(false) == Action::Fail ? -1 : FileOps::fchmod(fd, mode);
}
int FaultyFileOps::fsync(int fd) {
    return next(false) == Action::Fail ? -1 : FileOps::fsync(fd);
}
int FaultyFileOps::close(int fd) {
    if (next(false) == Action::Fail) {
        FileOps::close(fd); // a failed close still releases the descriptor
        errno = failingErrno();
        return -1;
    }
    return FileOps::close(fd);
}
int FaultyFileOps::rename(const char* from, const char* to) {
    return next(false) == Action::Fail ? -1 : FileOps::rename(from, to);
}

namespace FaultInjection {

void everyFault(const QString& path, const QByteArray& old, const QByteArray& fresh,
                const std::function<bool()>& save) {
    using Fault = FaultyFileOps::Fault;
    const QDir folder = QFileInfo(path).absoluteDir();
    const auto files = [&] { return folder.entryList(QDir::Files | QDir::Hidden | QDir::System); };
    for (Fault fault : {Fault::NoSpace, Fault::IOError, Fault::ShortThenNoSpace, Fault::ShortOnly})
        for (bool readOnlyFolder : {false, true})
            for (int at = 1;; ++at) {
                SCOPED_TRACE(testing::Message() << FaultyFileOps::name(fault) << " at call " << at
                                                << (readOnlyFolder ? ", written in place" : ""));
                TestUtil::writeFile(path, old);
                const QStringList before = files();
                FaultyFileOps ops(at, fault, readOnlyFolder);
                bool saved;
                {
                    ScopedFileOps scope(ops);
                    saved = save();
                }
                ASSERT_GT(ops.calls(), 0) << "the save does not write through FileOps";
                if (ops.calls() < at) { // past the last call the save makes: it ran clean
                    ASSERT_TRUE(saved);
                    ASSERT_EQ(TestUtil::readFile(path), fresh);
                    break;
                }
                if (ops.fired() && fault != Fault::ShortOnly) {
                    EXPECT_FALSE(saved);
                    EXPECT_EQ(TestUtil::readFile(path), old);
                } else {
                    EXPECT_TRUE(saved);
                    EXPECT_EQ(TestUtil::readFile(path), fresh);
                }
                EXPECT_EQ(files(), before);
            }
}

} // namespace FaultInjection
