#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

// The first K41's listening name: one per settings file (its absolute path, hashed so that
// any path makes a valid name), and per user, as the socket lives in the user's runtime folder.
QString serverName(const QString& settingsPath) {
    const QByteArray path = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    return QStringLiteral("K41-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex());
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath) : m_settingsPath(settingsPath) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath(const QString& settingsPath) {
    return settingsPath + QStringLiteral(".lock");
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(lockPath(m_settingsPath));
    // Only a dead holder makes a lock stale, however old it is: K41 runs for days.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) return true; // cannot guard
        QLocalSocket first;
        first.connectToServer(serverName(m_settingsPath));
        if (first.waitForConnected(2000)) {
            first.write("raise\n");
            first.waitForBytesWritten(2000);
            first.disconnectFromServer();
        }
        return false;
    }
    m_server = new QLocalServer(this);
    const QString name = serverName(m_settingsPath);
    // A socket left by a killed K41 would refuse the name; the lock says it is stale.
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* second = m_server->nextPendingConnection()) {
                second->deleteLater();
                if (raiseWindows) raiseWindows();
            }
        });
    return true;
}
