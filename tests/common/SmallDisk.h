#pragma once
// A real, tiny disk for one test: a tmpfs of a few pages mounted on a temporary folder and
// unmounted afterwards. Only root may mount; elsewhere isMounted() is false and the test
// skips.
#include <QString>
#include <QTemporaryDir>

class SmallDisk {
  public:
    explicit SmallDisk(int kib = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes a filler file until the disk is full; returns the bytes it took.
    qint64 fill();

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
