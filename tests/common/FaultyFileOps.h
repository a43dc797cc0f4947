#pragma once
// File system calls that fail once, at a chosen call, the way a full or failing disk does,
// and a loop that makes a save fail at every call it makes in turn.
#include "platform/core/FileOps.h"

#include <QByteArray>
#include <QString>
#include <functional>

class FaultyFileOps : public FileOps {
  public:
    enum class Fault {
        NoSpace,          // the call fails with ENOSPC
        IOError,          // the call fails with EIO
        ShortThenNoSpace, // a write stores part of its bytes, the next write fails with ENOSPC
        ShortOnly,        // a write stores part of its bytes, the rest goes on normally
    };
    // `failAt` counts the calls that write, reserve, sync, close, rename or open, from 1.
    // With `readOnlyFolder`, creating a new file is refused (EACCES) as in a folder the user
    // may not write, and that refusal is not counted.
    FaultyFileOps(int failAt, Fault fault, bool readOnlyFolder);

    bool fired() const { return m_fired; } // the fault happened
    int calls() const { return m_calls; }  // counted calls made so far

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) override;
    int reserve(int fd, off_t length) override;
    int ftruncate(int fd, off_t length) override;
    int fchmod(int fd, mode_t mode) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int rename(const char* from, const char* to) override;

    static const char* name(Fault fault);

  private:
    enum class Action { Pass, Fail, Short };
    Action next(bool isWrite); // counts a call and says what it does (errno set for Fail)
    int failingErrno() const;
    int m_failAt;
    Fault m_fault;
    bool m_readOnlyFolder;
    int m_calls = 0;
    bool m_fired = false;
    bool m_failNextWrite = false;
};

namespace FaultInjection {

// For every fault, with and without a folder that takes no new file, and at every call the
// save makes: writes `old` to `path`, runs `save` under the faulty calls, and checks that
// the save reported a failure (`save` returns false) and left `old` byte for byte with no
// other file beside it, or, for a fault that only shortens a write, that `path` holds `fresh`.
void everyFault(const QString& path, const QByteArray& old, const QByteArray& fresh,
                const std::function<bool()>& save);

} // namespace FaultInjection
