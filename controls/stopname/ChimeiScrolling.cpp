#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/StripWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// The scroll: the control's timer brings the step rule up to the clock and moves the strip,
// or hands the running scroll to the StripWindow's thread and takes it back on any change.

void ChimeiCtl_DX::setClock(std::function<qint64()> ms) {
    takeBack(); // the thread runs on the steady clock only
    m_clock = std::move(ms);
}

qint64 ChimeiCtl_DX::now() const {
    return m_clock ? m_clock()
                   : std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - m_clockStart)
                         .count();
}

int ChimeiCtl_DX::stripX() const {
    if (steppedByServer()) return m_stripWindow->steppedX();
    return m_scroll.running() ? m_scroll.stripX() : m_stripX;
}

bool ChimeiCtl_DX::steppedByServer() const {
    return m_stripWindow && m_stripWindow->stepping();
}

void ChimeiCtl_DX::takeBack() {
    if (!steppedByServer()) return;
    m_scroll = m_stripWindow->takeBack();
    if (m_scroll.running()) scheduleNextStep();
}

void ChimeiCtl_DX::startScroll() {
    if (m_speed == 0) setSpeed(1);
    m_scroll.start(now(), ChimeiLayout::FrameWidth, m_stripWidth);
    m_scroll.advance(now(), m_speed, m_scrollStartWait);
    scheduleNextStep();
}

void ChimeiCtl_DX::scheduleNextStep() {
    // Rounded up: a timer that fired before the step was due would wake for nothing.
    const double wait = std::ceil(m_scroll.nextStepMs() - double(now()));
    m_frameTimer.start(int(std::clamp(wait, 1.0, double(std::numeric_limits<int>::max()))));
}

void ChimeiCtl_DX::stopScroll() {
    takeBack();
    m_frameTimer.stop();
    m_scroll.stop();
    m_stripX = 0;
}

void ChimeiCtl_DX::advanceScroll() {
    takeBack();
    if (!m_scroll.running()) return;
    const int before = m_scroll.stripX();
    bool shownByServer = false;
    if (m_scroll.advance(now(), m_speed, m_scrollStartWait))
        shownByServer = moveStrip(before, m_scroll.stripX());
    if (!m_scroll.running()) return;
    // Once the server shows the steps, its own thread can run them on the steady clock.
    if (shownByServer && !m_clock) {
        const auto start =
            std::chrono::duration_cast<std::chrono::nanoseconds>(m_clockStart.time_since_epoch());
        if (m_stripWindow->handOver(m_scroll, m_speed, m_scrollStartWait, start.count())) {
            m_frameTimer.stop();
            return;
        }
    }
    scheduleNextStep();
}

bool ChimeiCtl_DX::moveStrip(int fromX, int toX) {
    // Drawn larger, the line is painted whole; moved pixels would land between image pixels.
    if (m_scale != 1.0) {
        update();
        return false;
    }
    const QRect client = clientRect();
    // Outside the strip the frame's inside is one colour, so moving the shown pixels with
    // the strip and painting the uncovered column gives the same picture as a full redraw.
    const bool wasShown = stripRect(fromX).intersects(client);
    const bool isShown = stripRect(toX).intersects(client);
    if (!wasShown && !isShown) return false; // between passes: nothing visible changed
    // The window covers the frame's inside; the strip's top edge is where stripRect puts it.
    if (m_stripWindow && m_stripWindow->showStrip(fromX, toX, stripRect(0).top() - client.top(),
                                                  m_strip, m_frame.pixel(client.center())))
        return true;
    // Qt's copy of the window under a StripWindow is older than the server's: never move it.
    if (!m_stripWindow && wasShown && isShown && std::abs(toX - fromX) < client.width())
        scroll(toX - fromX, 0, client);
    else
        update(client);
    return false;
}
