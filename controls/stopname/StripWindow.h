#pragma once
// StripWindow: on X11, a native window over the inside of the stop-name frame through which
// the X server itself shows the moving strip. The strip, padded on both sides with the
// frame's background, is uploaded to the server once per picture, and each scroll step is
// one copy there at the step's offset: Qt paints and sends nothing for a step.
//
// Qt's painting stays the reference for everything else. The window paints nothing of its
// own, so the control's paintEvent shows through it: exposes, grabs and every other repaint
// draw the control as usual, at the strip's current position. An expose of the window
// repaints the control first, since Qt's own copy of the area is older than the steps the
// server has shown since.
//
// Once the picture is in the server, the window can take over a running scroll: a thread
// of its own (CopyThread) then wakes at each step's moment and copies, and neither the
// control's timer nor Qt's event loop runs for a step. Anything that changes the picture,
// the window or what Qt paints in it takes the scroll back first.
#include "controls/stopname/ServerScroll.h"
#include "platform/x11/CopyThread.h"
#include "platform/x11/ServerImage.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>

class StripWindow : public QWidget {
    Q_OBJECT

  public:
    // A window over `control` when the program runs on the xcb platform; null otherwise.
    static StripWindow* create(QWidget* control);
    ~StripWindow() override;

    // Forgets the uploaded picture; the next showStrip() uploads it again.
    void invalidate();
    // Shows the step of `strip` (its top edge at `top` of this window) from left edge `fromX`
    // to `toX`, the rest of the window in `background`: only the strip's old and new places
    // are copied (the whole window after a new picture), so the caller says that the window
    // showed the strip at `fromX`. Returns false, having shown nothing, when the window is not
    // shown yet or the server cannot hold the picture; the caller then paints through Qt.
    bool showStrip(int fromX, int toX, int top, const QImage& strip, QRgb background);

    // Hands `scroll`, whose last step showStrip() has shown, to the window's thread, at
    // `speed` and `passPauseMs`, on the steady clock that was zero at `clockStartNs`. Returns
    // false when the window cannot take it (no picture in the server, no thread); the caller
    // goes on stepping.
    bool handOver(const ChimeiScroll& scroll, qint16 speed, qint32 passPauseMs,
                  std::int64_t clockStartNs);
    bool stepping() const { return m_thread && m_thread->running(); }
    // The strip's left edge as the thread has shown it last; while stepping().
    int steppedX() const { return m_steps.stripX(); }
    // Stops the thread, once the server has shown every step it sent, and gives the scroll
    // back as the thread left it.
    ChimeiScroll takeBack();

  signals:
    // The window stopped the thread on its own account (hidden, resized, a new native
    // window): the owner takes the scroll back with takeBack() and steps it again.
    void stepsInterrupted();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    explicit StripWindow(QWidget* control);
    void watchWindow();

    std::unique_ptr<ServerImage> m_image;
    QPointer<QWindow> m_watched;
    // The padding on each side of the uploaded strip: the window's width when uploaded.
    int m_pad = 0;
    bool m_loaded = false;
    // The server has no usable format for this window: don't ask again.
    bool m_unsupported = false;
    // The server could not hold this picture (too wide, no memory).
    bool m_refused = false;
    // The strip's size in the uploaded picture.
    QSize m_stripSize;
    int m_top = 0;
    ServerScroll m_steps;
    // Opened at the first hand-over; null after a failed open, which is not tried again.
    std::unique_ptr<CopyThread> m_thread;
    bool m_threadTried = false;
};
