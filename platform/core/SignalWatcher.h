#pragma once
// Ending the program the way a desktop program should on SIGINT (Ctrl+C), SIGTERM (kill) and
// SIGHUP (its terminal went away). The signal handler itself only writes the signal's number
// to a pipe; the event loop reads it and calls `onSignal` on the GUI thread, where anything
// may be done. One watcher at a time; it puts the previous handlers back when destroyed.
#include <QObject>
#include <functional>

class QSocketNotifier;

class SignalWatcher : public QObject {
  public:
    explicit SignalWatcher(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    ~SignalWatcher() override;

    // False when the pipe or the handlers could not be set up (signals then act as before).
    bool isWatching() const { return m_notifier != nullptr; }

  private:
    void readSignals();
    std::function<void(int)> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};
