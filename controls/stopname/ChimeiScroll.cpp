#include "controls/stopname/ChimeiScroll.h"

#include <algorithm>
#include <cmath>

namespace {

// A negative speed moves the strip right for ever; keep the position representable.
constexpr double PositionLimit = 1.0e7;

// After a long stall (a suspended machine) the scroll resumes from now instead of replaying
// hours of steps.
constexpr int CatchUpLimit = 64 * 60;

} // namespace

void ChimeiScroll::start(qint64 nowMs, int frameWidth, int stripWidth) {
    m_running = true;
    m_pausing = false;
    m_firstStep = true;
    m_frameWidth = frameWidth;
    m_stripWidth = stripWidth;
    m_x = frameWidth;
    m_nextStepMs = double(nowMs);
}

void ChimeiScroll::stop() {
    m_running = false;
    m_pausing = false;
    m_x = 0;
    m_stripX = 0;
}

bool ChimeiScroll::advance(qint64 nowMs, qint16 speed, qint32 passPauseMs) {
    const int before = m_stripX;
    int steps = 0;
    while (m_running && m_nextStepMs <= double(nowMs)) {
        step(speed, passPauseMs);
        if (++steps >= CatchUpLimit) {
            m_nextStepMs = double(nowMs) + StepMs;
            break;
        }
    }
    return m_stripX != before;
}

void ChimeiScroll::step(qint16 speed, qint32 passPauseMs) {
    m_pausing = false;
    // The fractional part of a step is taken after the wait that ends the previous step.
    if (!m_firstStep) m_x -= speed / 200.0;
    m_firstStep = false;
    m_x -= speed / 200; // whole pixels, truncated towards zero
    m_x = std::clamp(m_x, -PositionLimit, PositionLimit);
    m_stripX = int(std::floor(m_x + 0.5));

    if (m_stripX > -m_stripWidth) {
        m_nextStepMs += StepMs;
        return;
    }
    // The strip has left the frame: back to the right edge, then the pass pause. A negative
    // pause counts as none (it would otherwise never end).
    m_stripX = m_frameWidth;
    m_x = m_frameWidth;
    m_pausing = true;
    m_nextStepMs += std::max<qint32>(passPauseMs, 0);
}
