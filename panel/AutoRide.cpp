#include "panel/AutoRide.h"

#include "panel/DataButtons.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"

#include <QPushButton>
#include <algorithm>
#include <limits>

AutoRide::AutoRide(frmCtl& panel) : QObject(&panel), m_panel(panel) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AutoRide::stepNow);
    // The operator taking over ends the ride: any data button, or the announcements' stop.
    connect(panel.dataButtons, &DataButtons::stepClicked, this,
            [this] { finish(StopReason::DataButton); });
    connect(panel.dataButtons, &DataButtons::clearToggled, this,
            [this] { finish(StopReason::DataButton); });
    connect(panel.tapeButtons[2], &QPushButton::clicked, this,
            [this] { finish(StopReason::StopButton); });
}

bool AutoRide::start(const RidePlan& plan) {
    if (m_running || m_panel.routeState().StopCount <= 0 || atLastStop()) return false;
    m_plan = plan;
    m_running = true;
    scheduleNext();
    emit started();
    return true;
}

bool AutoRide::atLastStop() const {
    const RouteState& s = m_panel.routeState();
    return s.CurStop + 1 >= s.StopCount;
}

void AutoRide::scheduleNext() {
    const qint64 ms = m_plan.delayMs(m_panel.routeState().CurStop);
    m_timer.start(int(std::min<qint64>(ms, std::numeric_limits<int>::max())));
}

void AutoRide::stepNow() {
    if (!m_running) return;
    m_timer.stop();
    if (m_panel.routeState().StopCount <= 0) {
        finish(StopReason::NoRoute);
        return;
    }
    takeStep(m_panel);
    // A step may wait (a lamp test, a sound played to its end) and the operator may stop the
    // ride meanwhile.
    if (!m_running) return;
    emit stepped();
    if (atLastStop())
        finish(StopReason::LastStop);
    else
        scheduleNext();
}

void AutoRide::takeStep(frmCtl& panel) {
    TapeGroup* tape = panel.tapeGroup;
    if (tape->tape().usable() && tape->isEnabled() && panel.tapeButtons[1]->isEnabled())
        panel.tapeButtons[1]->click();
    else
        panel.Command2_Click(1);
}

void AutoRide::finish(StopReason reason) {
    if (!m_running) return;
    m_running = false;
    m_timer.stop();
    emit stopped(reason);
}
