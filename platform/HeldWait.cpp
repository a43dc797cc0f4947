#include "platform/HeldWait.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace HeldWait {

void until(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || (timeoutMs >= 0 && clock.elapsed() >= timeoutMs)) loop.quit();
    });
    if (done()) return;
    poll.start();
    // User input stays queued; paint and timer events still run.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Held input otherwise waits for the next window-system event before it is delivered.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void forMs(int ms) {
    QElapsedTimer clock;
    clock.start();
    until([&] { return clock.elapsed() >= ms; });
}

} // namespace HeldWait
