#include "platform/SavedPosition.h"

#include "platform/core/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

QRect availableAround(const QRect& client) {
    QScreen* screen = QGuiApplication::screenAt(client.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

// Places the window again once the window manager has framed it (its first expose), now
// that the frame is known. The native window may not exist yet: it is watched from the moment
// the widget is shown.
class SavedPosition::Settle : public QObject {
  public:
    Settle(QWidget& window, SavedPosition& position)
        : QObject(&window), m_window(window), m_position(position) {
        window.installEventFilter(this);
        if (window.windowHandle()) window.windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show && m_window.windowHandle())
            m_window.windowHandle()->installEventFilter(this);
        if (watched != &m_window && event->type() == QEvent::Expose &&
            static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            m_window.removeEventFilter(this);
            m_position.settle(m_window);
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& m_window;
    SavedPosition& m_position;
};

QMargins SavedPosition::frameMargins(const QWidget& window) {
    // Asked of the native window: the widget's own frame geometry is not brought up to date
    // until later events, and at the first expose it can be a frame of one pixel.
    const QWindow* native = window.windowHandle();
    return native ? native->frameMargins() : QMargins();
}

QPoint SavedPosition::keepInside(const QRect& client, const QMargins& margins, const QRect& area) {
    if (!area.isValid()) return client.topLeft();
    const QRect frame = client.marginsAdded(margins);
    int left = std::min(frame.left(), area.right() + 1 - frame.width());
    int top = std::min(frame.top(), area.bottom() + 1 - frame.height());
    left = std::max(left, area.left());
    top = std::max(top, area.top());
    return QPoint(left + margins.left(), top + margins.top());
}

void SavedPosition::restore(QWidget& window, QPoint twips) {
    m_stored = twips;
    place(window, QPoint(Twips::toPixels(twips.x()), Twips::toPixels(twips.y())));
}

void SavedPosition::place(QWidget& window, QPoint pixels) {
    const QRect client(pixels, window.size());
    window.setGeometry(
        QRect(keepInside(client, frameMargins(window), availableAround(client)), window.size()));
    m_placed = window.geometry().topLeft();
    if (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        delete m_settle;
        m_settle = new Settle(window, *this);
    }
}

void SavedPosition::settle(QWidget& window) {
    m_settle = nullptr;
    // Nobody can have moved a window before it was first exposed: a different position now
    // is one the window manager reported on the way, before it took the one asked for.
    place(window, m_placed);
}

QPoint SavedPosition::twips(const QWidget& window) const {
    const QPoint now = window.geometry().topLeft();
    if (m_stored && now == m_placed) return *m_stored;
    return QPoint(Twips::fromPixels(now.x()), Twips::fromPixels(now.y()));
}
