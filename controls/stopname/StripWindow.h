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
    // Shows `strip` with its top-left at `at` of this window, the rest of the window in
    // `background`. Only `changed` is copied (the whole window after a new picture): the
    // caller says that the rest already shows it so. Returns false, having shown nothing,
    // when the window is not shown yet or the server cannot hold the picture; the caller then
    // paints through Qt.
    bool showStrip(QPoint at, const QRect& changed, const QImage& strip, QRgb background);

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
};
