#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The first K41's socket: one per settings file (its absolute path, hashed so that any path
// makes a valid name), in the temporary folder.
QString socketPath(const QString& settingsPath) {
    const QByteArray path = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    return QDir(QDir::tempPath())
        .filePath(
            QStringLiteral("K41-") +
            QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex()));
}

// The socket's address; false when the path does not fit in one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (std::size_t(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// Tells the K41 listening at `path` to come to the front; nothing when none listens.
void callFirst(const QString& path) {
    sockaddr_un address;
    if (!addressOf(path, address)) return;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // A local connect is answered at once, or refused; the message fits the socket's buffer.
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        (void)send(fd, "raise\n", 6, MSG_NOSIGNAL);
    close(fd);
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath) : m_settingsPath(settingsPath) {}

SingleInstance::~SingleInstance() {
    delete m_calls;
    if (m_listener >= 0) {
        close(m_listener);
        QFile::remove(m_socketPath);
    }
}

QString SingleInstance::lockPath(const QString& settingsPath) {
    return settingsPath + QStringLiteral(".lock");
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(lockPath(m_settingsPath));
    // Only a dead holder makes a lock stale, however old it is: K41 runs for days.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) return true; // cannot guard
        callFirst(socketPath(m_settingsPath));
        return false;
    }
    m_socketPath = socketPath(m_settingsPath);
    sockaddr_un address;
    if (!addressOf(m_socketPath, address)) return true;
    // A socket left by a killed K41 would refuse the name; the lock says it is stale.
    QFile::remove(m_socketPath);
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0) return true;
    if (bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listener, 8) != 0) {
        close(m_listener);
        m_listener = -1;
        return true;
    }
    m_calls = new QSocketNotifier(qintptr(m_listener), QSocketNotifier::Read);
    connect(m_calls, &QSocketNotifier::activated, this, &SingleInstance::answer);
    return true;
}

void SingleInstance::answer() {
    // Every call waiting is one request; what it says does not matter.
    int second;
    while ((second = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0 || errno == EINTR) {
        if (second < 0) continue;
        close(second);
        if (raiseWindows) raiseWindows();
    }
}
