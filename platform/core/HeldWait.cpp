#include "platform/core/HeldWait.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace HeldWait {

namespace {
int g_depth = 0;
std::vector<std::function<void()>> g_after;
InputHolder* g_holder = nullptr;  // installed for later waits
InputHolder* g_holding = nullptr; // holding the input of the waits now running
Clock* g_clock = nullptr;

void runAfterActions() {
    auto actions = std::move(g_after);
    g_after.clear();
    for (auto& action : actions)
        QTimer::singleShot(0, action);
}
} // namespace

bool active() {
    return g_depth > 0;
}

void setInputHolder(InputHolder* holder) {
    g_holder = holder;
}

void afterWait(std::function<void()> action) {
    if (g_depth == 0) {
        QTimer::singleShot(0, std::move(action));
        return;
    }
    g_after.push_back(std::move(action));
}

void setClock(Clock* clock) {
    g_clock = clock;
}

void until(const std::function<bool()>& done, int timeoutMs) {
    if (g_clock) {
        ++g_depth;
        g_clock->waitUntil(done, timeoutMs);
        if (--g_depth == 0) runAfterActions();
        return;
    }
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
    // Paint and timer events still run. User input goes to the holder, or stays queued.
    if (g_depth++ == 0) {
        g_holding = g_holder && g_holder->holdStarted() ? g_holder : nullptr;
    }
    loop.exec(g_holding ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    if (--g_depth == 0) {
        if (g_holding) g_holding->holdEnded();
        g_holding = nullptr;
        runAfterActions();
    }
    // Held input otherwise waits for the next window-system event before it is delivered.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void forMs(int ms) {
    if (g_clock) {
        until([] { return false; }, ms);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    until([&] { return clock.elapsed() >= ms; });
}

} // namespace HeldWait
