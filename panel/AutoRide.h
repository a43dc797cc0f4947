#pragma once
// The automatic ride: the panel steps itself along the loaded route, one stop after another
// on a RidePlan. With announcements usable every step is the announcement group's "送り"
// (chime, speech and the fare step its record asks for); otherwise it is "データ送り".
// The ride stops at the route's last stop, at "■", at any click on the data buttons, and
// when stop() is called.
#include "faredata/RidePlan.h"

#include <QObject>
#include <QTimer>

class frmCtl;

class AutoRide : public QObject {
    Q_OBJECT
  public:
    enum class StopReason { Requested, LastStop, StopButton, DataButton, NoRoute };

    explicit AutoRide(frmCtl& panel);

    // Starts riding from the current stop. Returns false (and stays stopped) when no route is
    // loaded or the board already shows the last stop.
    bool start(const RidePlan& plan);
    void stop() { finish(StopReason::Requested); }
    bool running() const { return m_running; }
    // Milliseconds until the next step (0 when stopped).
    int remainingMs() const { return m_timer.isActive() ? m_timer.remainingTime() : 0; }
    // Takes the step that is due next at once, as the timer does when it fires (nothing when
    // stopped). For tests and for a host that keeps time of its own.
    void stepNow();
    // One step of a ride on `panel`: the announcement group's "送り" when announcements can
    // be used, "データ送り" otherwise.
    static void takeStep(frmCtl& panel);

  signals:
    void started();
    void stepped();
    void stopped(AutoRide::StopReason reason);

  private:
    void scheduleNext();
    bool atLastStop() const;
    void finish(StopReason reason);

    frmCtl& m_panel;
    RidePlan m_plan;
    QTimer m_timer;
    bool m_running = false;
};
