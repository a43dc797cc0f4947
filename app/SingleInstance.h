#pragma once
// One K41 a settings file. Two programs on one settings file would stack their windows
// exactly on top of each other, and the last to quit would overwrite the other's settings.
// The first K41 holds a lock file beside the settings file (ProcessLock: the kernel drops it
// when that K41 ends, however it ends) and listens for a second one; a second K41 finds the
// lock held, asks the first to bring its windows to the front, and ends.
// The call goes over a plain local socket: Qt's network library, with all it loads, would be
// paid for at every start for this one message. The first answers once its windows are up
// front; the second waits for that answer a bounded time only, since a K41 that hangs never
// answers.
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class ProcessLock;
class QSocketNotifier;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `answerWait`: how long a second K41 waits for the first's answer.
    explicit SingleInstance(const QString& settingsPath,
                            std::chrono::milliseconds answerWait = std::chrono::seconds(3));
    ~SingleInstance() override;

    // Takes the lock. False when another running K41 holds it; that one has then been asked to
    // come to the front. A lock that cannot be made at all (a read-only folder) does not stop
    // this K41: it is then the only guard there is.
    bool acquire();

    // After acquire() returned false: whether the running K41 answered (it then came to the
    // front), and its process id (0 when unknown).
    bool firstAnswered() const { return m_firstAnswered; }
    qint64 firstPid() const { return m_firstPid; }

    // Runs when a second K41 on the same settings file asks this one to come to the front.
    std::function<void()> raiseWindows;

    // The lock file beside `settingsPath`.
    static QString lockPath(const QString& settingsPath);

  private:
    // Accepts the second K41's call and asks for the windows to come to the front.
    void answer();

    QString m_settingsPath;
    std::chrono::milliseconds m_answerWait;
    std::unique_ptr<ProcessLock> m_lock;
    bool m_firstAnswered = false;
    qint64 m_firstPid = 0;
    int m_listener = -1; // the listening local socket, or -1
    QString m_socketPath;
    QSocketNotifier* m_calls = nullptr;
};
