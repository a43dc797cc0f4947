#pragma once
// Draws tickets on a thread of its own, so that a slow plug-in never holds up the window that
// shows them. The newest request wins: a request replaces the one still waiting (at most one
// waits), stops the one being drawn, and only its own result is delivered. Closing waits
// for a drawing under way at most JoinLimitMs; a drawing left running then ends on its own
// and delivers nothing.
#include "platform/ticket/TicketPlugin.h"

#include <QImage>
#include <QObject>
#include <QSemaphore>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

// One ticket to draw: the plug-in file (read afresh, so an edited plug-in shows at once), the
// values it prints and the image it is drawn onto, top-left corner to top-left corner.
struct TicketRequest {
    QString plugin;
    TicketData ticket;
    QImage base;
};

// `base` with the ticket on it; `base` unchanged and `valid` false when the plug-in is empty,
// missing or invalid.
struct TicketResult {
    QImage image;
    bool valid = false;
};

namespace TicketDrawing {
// The drawing itself, on the calling thread: the drawer's thread runs exactly this, so a
// ticket drawn at once and one drawn in the background are the same pixels. Once `stop` is
// requested the result is incomplete (and is not to be shown).
TicketResult draw(const TicketRequest& request, std::stop_token stop = {});
} // namespace TicketDrawing

// Holds each drawing at its start until it is let through: tests use it to keep a drawing
// under way for as long as they need. A drawing never let through goes on after HoldLimitMs.
class DrawingGate {
  public:
    static constexpr int HoldLimitMs = 20000;
    // Lets `count` drawings through, held now or arriving later.
    void release(int count = 1) { m_open.release(count); }
    // Waits until `count` drawings in all have come to the gate; false after `ms`.
    bool waitForArrivals(int count, int ms);
    // Drawings that came to the gate so far.
    int arrivals() const;
    // Called by the drawing thread.
    void pass();

  private:
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    int m_count = 0;
    QSemaphore m_open;
};

class TicketDrawer : public QObject {
    Q_OBJECT
  public:
    static constexpr int JoinLimitMs = 1000;

    explicit TicketDrawer(QObject* parent = nullptr);
    ~TicketDrawer() override;

    // Asks for a drawing; its result comes with drawn(). Supersedes every earlier request.
    void request(TicketRequest request);
    // Drops every request made so far: none of them is delivered.
    void cancel();
    // A requested result is still to come.
    bool busy() const { return m_busy; }

    // Holds the drawings at `gate` from the next one on (tests).
    void setGate(std::shared_ptr<DrawingGate> gate);
    // Drawing threads still running, also those left to end after their drawer closed.
    static int runningThreads();

  signals:
    // The newest request's result, on the drawer's thread.
    void drawn(const TicketResult& result);

  protected:
    void customEvent(QEvent* event) override;

  private:
    struct State;
    static void run(std::shared_ptr<State> state);

    std::shared_ptr<State> m_state;
    std::thread m_thread;
    quint64 m_latest = 0; // the newest request's number
    bool m_busy = false;
};
