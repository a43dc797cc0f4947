#include "platform/core/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileOps* FileOps::s_active = nullptr;

int FileOps::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileOps::write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
ssize_t FileOps::pwrite(int fd, const void* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size, offset);
}
ssize_t FileOps::pread(int fd, void* data, size_t size, off_t offset) {
    return ::pread(fd, data, size, offset);
}
int FileOps::reserve(int fd, off_t length) {
    const int error = ::posix_fallocate(fd, 0, length);
    errno = error;
    return error == 0 ? 0 : -1;
}
int FileOps::ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}
int FileOps::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileOps::fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::close(int fd) {
    return ::close(fd);
}
int FileOps::rename(const char* from, const char* to) {
    return std::rename(from, to);
}
int FileOps::unlink(const char* path) {
    return ::unlink(path);
}

FileOps& FileOps::active() {
    static FileOps system;
    return s_active ? *s_active : system;
}

ScopedFileOps::ScopedFileOps(FileOps& ops) : m_previous(FileOps::s_active) {
    FileOps::s_active = &ops;
}

ScopedFileOps::~ScopedFileOps() {
    FileOps::s_active = m_previous;
}
