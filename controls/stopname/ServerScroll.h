#pragma once
// ServerScroll: the steps of a running scroll as a CopyThread makes them: the same step rule
// (ChimeiScroll) on the same clock as the control's, each step one copy of the padded strip
// held by the server into the StripWindow.
#include "controls/stopname/ChimeiScroll.h"
#include "platform/x11/CopyThread.h"

#include <QSize>
#include <atomic>
#include <cstdint>

class ServerScroll : public CopyThread::Steps {
  public:
    // Where the strip and the window are: the strip's top edge at `top` of the window, the
    // uploaded picture padded with `pad` columns of background on either side.
    struct Layout {
        QSize window;
        QSize strip;
        int top = 0;
        int pad = 0;
    };

    // What a step of the strip's left edge from `fromX` to `toX` copies: the union of its old
    // and new places within the window (around them the window already shows background);
    // nothing when the strip is out of sight at both.
    static CopyThread::Copy stepCopy(const Layout& layout, int fromX, int toX);

    // Takes over `scroll` at the given speed and pass pause, on the steady clock whose zero
    // is at `clockStartNs`. Only while no thread runs the steps.
    void set(const ChimeiScroll& scroll, qint16 speed, qint32 passPauseMs,
             std::int64_t clockStartNs, const Layout& layout);
    // The scroll as the steps left it; only while no thread runs them.
    const ChimeiScroll& scroll() const { return m_scroll; }
    // Where the strip is now; from any thread.
    int stripX() const { return m_stripX.load(std::memory_order_relaxed); }

    std::int64_t dueNs() const override;
    CopyThread::Copy advance(std::int64_t nowNs) override;

  private:
    ChimeiScroll m_scroll;
    qint16 m_speed = 0;
    qint32 m_passPauseMs = 0;
    std::int64_t m_clockStartNs = 0;
    Layout m_layout;
    std::atomic<int> m_stripX{0};
};
