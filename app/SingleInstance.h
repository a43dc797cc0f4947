#pragma once
// One K41 a settings file. Two programs on one settings file would stack their windows
// exactly on top of each other, and the last to quit would overwrite the other's settings.
// The first K41 holds a lock file beside the settings file (the process id inside, so that a
// lock left by a killed K41 is seen to be stale and taken over) and listens for a second one;
// a second K41 finds the lock held, asks the first to bring its windows to the front, and ends.
// The call goes over a plain local socket: Qt's network library, with all it loads, would be
// paid for at every start for this one message.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QSocketNotifier;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& settingsPath);
    ~SingleInstance() override;

    // Takes the lock. False when another running K41 holds it; that one has then been asked to
    // come to the front. A lock that cannot be made at all (a read-only folder) does not stop
    // this K41: it is then the only guard there is.
    bool acquire();

    // Runs when a second K41 on the same settings file asks this one to come to the front.
    std::function<void()> raiseWindows;

    // The lock file beside `settingsPath`.
    static QString lockPath(const QString& settingsPath);

  private:
    // Accepts the second K41's call and asks for the windows to come to the front.
    void answer();

    QString m_settingsPath;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1; // the listening local socket, or -1
    QString m_socketPath;
    QSocketNotifier* m_calls = nullptr;
};
