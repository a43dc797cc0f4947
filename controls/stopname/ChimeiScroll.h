#pragma once
// The step rule of a scrolling stop name, driven by elapsed time rather than by a loop.
// A step happens every StepMs; each moves the strip left by Speed ÷ 200 (whole pixels) plus
// Speed / 200 (fractional pixels). When the strip has left the frame on the left it goes
// back to the right edge and the next step waits for the pass pause. The position always
// follows the clock, so a late frame never slows the scroll.
#include <QtGlobal>

class ChimeiScroll {
  public:
    // One step per tick of the 64 Hz system timer, at which a 1 ms sleep returns.
    static constexpr double StepMs = 1000.0 / 64;

    // Starts a scroll at `nowMs`: x = frame width, and the first step is due at once.
    void start(qint64 nowMs, int frameWidth, int stripWidth);
    // Ends the scroll with the strip back at x = 0.
    void stop();

    // Runs every step due up to `nowMs` with the current speed and pass pause (read afresh
    // for every step). Returns true when the strip's pixel position changed.
    bool advance(qint64 nowMs, qint16 speed, qint32 passPauseMs);

    bool running() const { return m_running; }
    // True while the strip waits at the right edge between passes.
    bool pausing() const { return m_pausing; }
    int stripX() const { return m_stripX; }
    double position() const { return m_x; }
    // When the next step is due (the pass pause included), on the clock given to advance().
    double nextStepMs() const { return m_nextStepMs; }

  private:
    void step(qint16 speed, qint32 passPauseMs);

    bool m_running = false;
    bool m_pausing = false;
    bool m_firstStep = true;
    double m_x = 0;
    double m_nextStepMs = 0;
    int m_stripX = 0;
    int m_frameWidth = 0;
    int m_stripWidth = 0;
};
