#include "app/SingleInstance.h"

#include "app/ProcessLock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <poll.h>
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

// Tells the K41 listening at `path` to come to the front and waits up to `wait` for its
// answer. False when none listens or none answers in time. Nothing here may wait unbounded: a
// K41 that hangs takes calls into its socket's backlog that nobody reads, and once that is
// full a blocking connect would wait for ever.
bool callFirst(const QString& path, std::chrono::milliseconds wait) {
    sockaddr_un address;
    if (!addressOf(path, address)) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool answered = false;
    // A local connect is taken into the backlog at once, or refused (a full backlog included).
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, "raise\n", 6, MSG_NOSIGNAL) == 6) {
        const QDeadlineTimer deadline(wait);
        pollfd answer = {fd, POLLIN, 0};
        int ready;
        while ((ready = poll(&answer, 1, int(deadline.remainingTime()))) < 0 && errno == EINTR) {
        }
        char word;
        answered = ready == 1 && recv(fd, &word, 1, 0) == 1;
    }
    close(fd);
    return answered;
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, std::chrono::milliseconds answerWait)
    : m_settingsPath(settingsPath), m_answerWait(answerWait) {}

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
    m_lock = std::make_unique<ProcessLock>(lockPath(m_settingsPath));
    ProcessLock::State state = m_lock->tryLock();
    if (state == ProcessLock::State::HeldElsewhere) {
        m_firstPid = m_lock->holder();
        m_firstAnswered = callFirst(socketPath(m_settingsPath), m_answerWait);
        if (m_firstAnswered) return false;
        // No answer: the holder may have ended meanwhile, and then this K41 is the first.
        state = m_lock->tryLock();
        if (state == ProcessLock::State::HeldElsewhere) {
            m_firstPid = m_lock->holder();
            return false;
        }
    }
    if (state == ProcessLock::State::Unavailable) return true; // cannot guard
    m_socketPath = socketPath(m_settingsPath);
    sockaddr_un address;
    if (!addressOf(m_socketPath, address)) return true;
    // A socket left by an ended K41 would refuse the name (even one a stray child of it still
    // holds open); the lock says this K41 is the one to listen.
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
    // Every call waiting is one request; what it says does not matter. The answer goes once the
    // windows have been asked to the front.
    int second;
    while ((second = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0 || errno == EINTR) {
        if (second < 0) continue;
        if (raiseWindows) raiseWindows();
        (void)send(second, "k", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        // The request read, so that closing does not reset the call before the answer is read.
        char request[8];
        (void)recv(second, request, sizeof request, MSG_DONTWAIT);
        close(second);
    }
}
