#include "platform/core/SignalWatcher.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> WatchedSignals{SIGINT, SIGTERM, SIGHUP};
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[WatchedSignals.size()];

extern "C" void onSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // Only async-signal-safe calls here; a full pipe drops the signal, one is still queued.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

SignalWatcher::SignalWatcher(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), m_onSignal(std::move(onSignal)) {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readSignals);
    for (size_t i = 0; i < WatchedSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = ::onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART; // system calls the GUI thread is in carry on
        ::sigaction(WatchedSignals[i], &action, &g_previous[i]);
    }
}

SignalWatcher::~SignalWatcher() {
    if (!m_notifier) return;
    for (size_t i = 0; i < WatchedSignals.size(); ++i)
        ::sigaction(WatchedSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SignalWatcher::readSignals() {
    unsigned char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1)
        if (m_onSignal) m_onSignal(number);
}
