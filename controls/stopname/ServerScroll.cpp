#include "controls/stopname/ServerScroll.h"

#include <QRect>
#include <cmath>

namespace {

constexpr std::int64_t NsPerMs = 1000000;

} // namespace

CopyThread::Copy ServerScroll::stepCopy(const Layout& layout, int fromX, int toX) {
    const QRect window(QPoint(0, 0), layout.window);
    const QRect from(QPoint(fromX, layout.top), layout.strip);
    const QRect to(QPoint(toX, layout.top), layout.strip);
    if (!from.intersects(window) && !to.intersects(window)) return {};
    // The server's copying is most of its work for a step: only what changed.
    const QRect area = (from | to).intersected(window);
    return {QPoint(layout.pad - toX, -layout.top) + area.topLeft(), area};
}

void ServerScroll::set(const ChimeiScroll& scroll, qint16 speed, qint32 passPauseMs,
                       std::int64_t clockStartNs, const Layout& layout) {
    m_scroll = scroll;
    m_speed = speed;
    m_passPauseMs = passPauseMs;
    m_clockStartNs = clockStartNs;
    m_layout = layout;
    m_stripX.store(scroll.stripX(), std::memory_order_relaxed);
}

std::int64_t ServerScroll::dueNs() const {
    if (!m_scroll.running()) return -1;
    // The first whole millisecond of the control's clock at which the step is due, as the
    // control's timer rounds it up.
    return m_clockStartNs + std::int64_t(std::ceil(m_scroll.nextStepMs())) * NsPerMs;
}

CopyThread::Copy ServerScroll::advance(std::int64_t nowNs) {
    // The control's clock: whole milliseconds since its start.
    const qint64 nowMs = (nowNs - m_clockStartNs) / NsPerMs;
    const int before = m_scroll.stripX();
    if (!m_scroll.advance(nowMs, m_speed, m_passPauseMs)) return {};
    m_stripX.store(m_scroll.stripX(), std::memory_order_relaxed);
    return stepCopy(m_layout, before, m_scroll.stripX());
}
