#pragma once
// The system calls that replacing a file makes, behind one seam, so a test can make any one
// of them fail (a full disk, an I/O error, a short write) and check that nothing is lost.
// Each returns what the system call returns and sets errno the same way.
#include <sys/types.h>

class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual ssize_t pwrite(int fd, const void* data, size_t size, off_t offset);
    virtual ssize_t pread(int fd, void* data, size_t size, off_t offset);
    // Reserves blocks up to `length` (posix_fallocate, reporting through errno).
    virtual int reserve(int fd, off_t length);
    virtual int ftruncate(int fd, off_t length);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);

    // The calls in use: the system's, unless a test has put others in place.
    static FileOps& active();

  protected:
    friend class ScopedFileOps;
    static FileOps* s_active;
};

// Puts `ops` in place for its lifetime (tests only).
class ScopedFileOps {
  public:
    explicit ScopedFileOps(FileOps& ops);
    ~ScopedFileOps();
    ScopedFileOps(const ScopedFileOps&) = delete;
    ScopedFileOps& operator=(const ScopedFileOps&) = delete;

  private:
    FileOps* m_previous;
};
