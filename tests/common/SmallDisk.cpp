#include "tests/common/SmallDisk.h"

#include <QFile>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(int kib) {
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0777";
    m_mounted = m_dir.isValid() &&
                ::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::fill() {
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND, 0666);
    if (fd < 0) return 0;
    const QByteArray block(4096, 'f');
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n <= 0) break;
        total += n;
    }
    // Whatever room a partly used page leaves is taken one byte at a time.
    while (::write(fd, "f", 1) == 1)
        ++total;
    ::close(fd);
    return total;
}
