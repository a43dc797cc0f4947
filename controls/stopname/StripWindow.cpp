#include "controls/stopname/StripWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

StripWindow* StripWindow::create(QWidget* control) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    return new StripWindow(control);
}

StripWindow::StripWindow(QWidget* control) : QWidget(control) {
    setObjectName(QStringLiteral("stripWindow"));
    // A window of its own, but the board and the control stay windowless: each native window
    // costs the server and Qt's painting work.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

StripWindow::~StripWindow() {
    // The thread uses the picture and the steps: it ends before either goes.
    if (m_thread) m_thread->stop();
}

void StripWindow::invalidate() {
    // The owner takes a running scroll back first; the thread never outlives the picture.
    if (stepping()) emit stepsInterrupted();
    if (m_thread) m_thread->stop();
    if (m_image) m_image->release();
    m_loaded = false;
    m_refused = false;
}

bool StripWindow::showStrip(int fromX, int toX, int top, const QImage& strip, QRgb background) {
    if (m_unsupported || m_refused || stepping() || !isVisible() || !internalWinId()) return false;
    if (!m_image) {
        m_image = ServerImage::forWindow(internalWinId());
        if (!m_image) {
            m_unsupported = true;
            return false;
        }
    }
    const bool fresh = !m_image->loaded();
    if (fresh) {
        // Background on both sides, as wide as the window, so that any position at which some
        // of the strip is in sight is one copy of a whole window's worth.
        m_pad = width();
        QImage padded(strip.width() + 2 * m_pad, strip.height(), QImage::Format_RGB32);
        padded.fill(background);
        QPainter(&padded).drawImage(m_pad, 0, strip);
        m_loaded = m_image->upload(padded);
        // Asked again only for another picture: a refusal costs the server a round trip.
        m_refused = !m_loaded;
        if (!m_loaded) return false;
        m_stripSize = strip.size();
        m_top = top;
    }
    const ServerScroll::Layout layout{size(), m_stripSize, m_top, m_pad};
    CopyThread::Copy copy = ServerScroll::stepCopy(layout, fromX, toX);
    // A new picture is shown whole: the window may still show another. After that, rows of
    // one colour stay as they are.
    if (fresh) copy = {QPoint(m_pad - toX, -m_top), rect()};
    m_image->copy(copy.from, copy.to, fresh ? ServerImage::Rows::All : ServerImage::Rows::Varying);
    return true;
}

bool StripWindow::handOver(const ChimeiScroll& scroll, qint16 speed, qint32 passPauseMs,
                           std::int64_t clockStartNs) {
    if (stepping() || !m_image || !m_image->loaded() || !isVisible()) return false;
    if (!m_threadTried) {
        m_threadTried = true;
        m_thread = CopyThread::open();
    }
    if (!m_thread) return false;
    m_steps.set(scroll, speed, passPauseMs, clockStartNs,
                ServerScroll::Layout{size(), m_stripSize, m_top, m_pad});
    // What Qt and the steps so far sent on the application's connection lands first.
    m_image->sync();
    if (m_thread->start(*m_image, &m_steps)) return true;
    // The thread's connection does not reach this window (another display): the control
    // steps from here on, without asking again at every step.
    m_thread.reset();
    return false;
}

ChimeiScroll StripWindow::takeBack() {
    if (m_thread) m_thread->stop();
    return m_steps.scroll();
}

bool StripWindow::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange) {
        // A new native window: the old one's server objects belong to a window that is gone.
        invalidate();
        m_image.reset();
        m_loaded = false;
        m_unsupported = false;
        watchWindow();
    } else if (event->type() == QEvent::Show) {
        watchWindow();
    }
    return QWidget::event(event);
}

void StripWindow::watchWindow() {
    QWindow* window = windowHandle();
    if (!window || window == m_watched) return;
    if (m_watched) m_watched->removeEventFilter(this);
    window->installEventFilter(this);
    m_watched = window;
}

bool StripWindow::eventFilter(QObject* watched, QEvent* event) {
    // Before Qt answers the expose from its own copy of the control, mark the area for a
    // repaint, so that the answer is painted at the strip's current position.
    if (watched == m_watched && event->type() == QEvent::Expose && parentWidget())
        parentWidget()->update(geometry());
    return QWidget::eventFilter(watched, event);
}

void StripWindow::resizeEvent(QResizeEvent* event) {
    invalidate(); // the padding is the window's width
    QWidget::resizeEvent(event);
}

void StripWindow::hideEvent(QHideEvent* event) {
    invalidate();
    QWidget::hideEvent(event);
}
