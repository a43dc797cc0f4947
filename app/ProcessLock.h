#pragma once
// A lock file that belongs to this process alone: a POSIX record lock on the whole file.
// A lock on the open file (flock, and QLockFile with it) is shared with every child made by
// fork; a child that hangs before it runs its program (as one forked by a library on one of
// its threads can, when another thread held a lock at the fork) then keeps the lock of a K41
// long gone, and no K41 starts on that settings file again. A record lock is never inherited,
// the kernel drops it when the process ends however it ends (so a lock left behind is never
// mistaken for a held one, with no guessing from process ids), and the descriptor is closed in
// a child that runs a program.
// The one trap of record locks: closing ANY descriptor of the file in this process drops the
// lock. Nothing else in K41 may open the lock file while it runs.
#include <QString>

class ProcessLock {
  public:
    enum class State {
        Locked,        // this process holds it
        HeldElsewhere, // another running process holds it: holder()
        Unavailable,   // it cannot be made (a read-only folder, a file system without locks)
    };

    explicit ProcessLock(QString path);
    // Gives the lock up: the file is removed while still locked, then closed.
    ~ProcessLock();
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    // Takes the lock without waiting and writes this process's id, application name and host
    // into the file (what other tools read from it). Locked again when this one holds it.
    State tryLock();

    // The process id holding the lock after HeldElsewhere; 0 when the kernel does not say
    // (a holder in another process-id namespace).
    qint64 holder() const { return m_holder; }

  private:
    void writeOwner() const;

    QString m_path;
    int m_fd = -1;
    qint64 m_holder = 0;
};
