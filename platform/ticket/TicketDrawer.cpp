#include "platform/ticket/TicketDrawer.h"

#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <chrono>
#include <optional>
#include <system_error>

namespace {

std::atomic<int> threadsRunning{0};

// A finished drawing on its way to the drawer's thread. Posted events die with their
// receiver, so a drawer that closes meanwhile never sees it.
class DrawnEvent : public QEvent {
  public:
    static QEvent::Type type() {
        static const int registered = QEvent::registerEventType();
        return QEvent::Type(registered);
    }
    DrawnEvent(quint64 id, TicketResult result)
        : QEvent(type()), id(id), result(std::move(result)) {}
    const quint64 id;
    const TicketResult result;
};

} // namespace

namespace TicketDrawing {

TicketResult draw(const TicketRequest& request, std::stop_token stop) {
    TicketResult result{request.base, false};
    if (request.plugin.isEmpty()) return result;
    const TicketPluginReader::Result read = TicketPluginReader::readFile(request.plugin);
    if (!read) return result;
    result.valid = true;
    if (result.image.isNull()) return result;
    QPainter painter(&result.image); // a copy of its own: the caller's base stays as it was
    TicketRenderer::draw(painter, *read.plugin, request.ticket, 1.0, std::move(stop));
    return result;
}

} // namespace TicketDrawing

bool DrawingGate::waitForArrivals(int count, int ms) {
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, std::chrono::milliseconds(ms),
                              [&] { return m_count >= count; });
}

int DrawingGate::arrivals() const {
    const std::lock_guard lock(m_mutex);
    return m_count;
}

void DrawingGate::pass() {
    {
        const std::lock_guard lock(m_mutex);
        ++m_count;
    }
    m_arrived.notify_all();
    m_open.tryAcquire(1, HoldLimitMs);
}

// What the drawer and its thread share. The thread keeps it alive, so that a drawer closing
// during a long drawing can leave without waiting for it.
struct TicketDrawer::State {
    struct Job {
        quint64 id = 0;
        TicketRequest request;
    };
    std::mutex mutex;
    std::condition_variable wake;  // a job came, or the drawer closes
    std::condition_variable ended; // the thread is done with the drawer
    std::optional<Job> pending;    // at most one: a newer request replaces it
    std::stop_source drawing;      // of the job being drawn
    quint64 wanted = 0;            // the job whose result is still wanted; 0 none
    QObject* receiver = nullptr;   // null once the drawer is closing
    bool closing = false;
    bool done = false;
    std::shared_ptr<DrawingGate> gate;
};

TicketDrawer::TicketDrawer(QObject* parent) : QObject(parent), m_state(std::make_shared<State>()) {
    m_state->receiver = this;
}

TicketDrawer::~TicketDrawer() {
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->closing = true;
        m_state->receiver = nullptr;
        m_state->pending.reset();
        m_state->drawing.request_stop();
    }
    m_state->wake.notify_all();
    if (!m_thread.joinable()) return;
    std::unique_lock lock(m_state->mutex);
    const bool done = m_state->ended.wait_for(lock, std::chrono::milliseconds(JoinLimitMs),
                                              [this] { return m_state->done; });
    lock.unlock();
    // A drawing still under way has been told to stop and holds its own share of the state.
    if (done)
        m_thread.join();
    else
        m_thread.detach();
}

void TicketDrawer::request(TicketRequest request) {
    const quint64 id = ++m_latest;
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->pending = State::Job{id, std::move(request)};
        m_state->wanted = id;
        m_state->drawing.request_stop();
    }
    m_busy = true;
    if (!m_thread.joinable()) {
        threadsRunning.fetch_add(1);
        try {
            m_thread = std::thread(&TicketDrawer::run, m_state);
        } catch (const std::system_error&) {
            // No thread to be had (the system is out of them): draw here rather than never.
            threadsRunning.fetch_sub(1);
            std::unique_lock lock(m_state->mutex);
            State::Job job = std::move(*m_state->pending);
            m_state->pending.reset();
            lock.unlock();
            QCoreApplication::postEvent(this,
                                        new DrawnEvent(job.id, TicketDrawing::draw(job.request)));
            return;
        }
    }
    m_state->wake.notify_one();
}

void TicketDrawer::cancel() {
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->pending.reset();
        m_state->wanted = 0;
        m_state->drawing.request_stop();
    }
    m_busy = false;
}

void TicketDrawer::setGate(std::shared_ptr<DrawingGate> gate) {
    const std::lock_guard lock(m_state->mutex);
    m_state->gate = std::move(gate);
}

int TicketDrawer::runningThreads() {
    return threadsRunning.load();
}

void TicketDrawer::customEvent(QEvent* event) {
    if (event->type() != DrawnEvent::type()) return QObject::customEvent(event);
    const auto* drawnEvent = static_cast<DrawnEvent*>(event);
    // A result that a newer request or a cancel overtook on its way is dropped here.
    if (!m_busy || drawnEvent->id != m_latest) return;
    m_busy = false;
    emit drawn(drawnEvent->result);
}

void TicketDrawer::run(std::shared_ptr<State> state) {
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->wake.wait(lock, [&] { return state->closing || state->pending.has_value(); });
        if (state->closing) break;
        State::Job job = std::move(*state->pending);
        state->pending.reset();
        state->drawing = std::stop_source();
        const std::stop_token stop = state->drawing.get_token();
        const std::shared_ptr<DrawingGate> gate = state->gate;
        lock.unlock();

        if (gate) gate->pass();
        TicketResult result = TicketDrawing::draw(job.request, stop);
        job.request.base = QImage();

        lock.lock();
        if (!stop.stop_requested() && state->receiver && job.id == state->wanted)
            QCoreApplication::postEvent(state->receiver, new DrawnEvent(job.id, std::move(result)));
    }
    state->done = true;
    lock.unlock();
    state->ended.notify_all();
    state.reset();
    threadsRunning.fetch_sub(1);
}
