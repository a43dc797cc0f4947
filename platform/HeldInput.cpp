#include "platform/HeldInput.h"

#include "platform/core/HeldWait.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <qpa/qwindowsysteminterface_p.h>
#include <vector>

namespace {

using Wsi = QWindowSystemInterfacePrivate;

// Marks an event handed back after a wait: it was judged when it was made.
constexpr int Judged = 0x10000;

template <typename T> Wsi::WindowSystemEvent* copyAs(const Wsi::WindowSystemEvent& event) {
    return new T(static_cast<const T&>(event));
}

// A copy of a queued input event: the window-system queue deletes its own once handled.
// nullptr for a kind this holder does not know.
Wsi::WindowSystemEvent* copyOf(const Wsi::WindowSystemEvent& event) {
    switch (event.type) {
    case Wsi::Mouse:
        return copyAs<Wsi::MouseEvent>(event);
    case Wsi::Wheel:
        return copyAs<Wsi::WheelEvent>(event);
    case Wsi::Key:
        return copyAs<Wsi::KeyEvent>(event);
    case Wsi::Touch:
        return copyAs<Wsi::TouchEvent>(event);
    case Wsi::Enter:
        return copyAs<Wsi::EnterEvent>(event);
    case Wsi::Leave:
        return copyAs<Wsi::LeaveEvent>(event);
    case Wsi::Close:
        return copyAs<Wsi::CloseEvent>(event);
    case Wsi::FileOpen:
        return copyAs<Wsi::FileOpenEvent>(event);
    case Wsi::Tablet:
        return copyAs<Wsi::TabletEvent>(event);
    case Wsi::TabletEnterProximity:
        return copyAs<Wsi::TabletEnterProximityEvent>(event);
    case Wsi::TabletLeaveProximity:
        return copyAs<Wsi::TabletLeaveProximityEvent>(event);
    case Wsi::PlatformPanel:
        return copyAs<Wsi::PlatformPanelEvent>(event);
#ifndef QT_NO_CONTEXTMENU
    case Wsi::ContextMenu:
        return copyAs<Wsi::ContextMenuEvent>(event);
#endif
#ifndef QT_NO_GESTURES
    case Wsi::Gesture:
        return copyAs<Wsi::GestureEvent>(event);
#endif
    case Wsi::EnterWhatsThisMode:
        return new Wsi::WindowSystemEvent(event);
    default:
        return nullptr;
    }
}

// The widget a press at `pos` in `window` lands on, as the widget window picks it.
QWidget* widgetAt(const QWindow* window, const QPointF& pos) {
    if (!window) return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) continue;
        QWidget* child = top->childAt(pos.toPoint());
        return child ? child : top;
    }
    return nullptr;
}

class Holder final : public QWindowSystemEventHandler, public HeldWait::InputHolder {
  public:
    bool holdStarted() override {
        // The window system takes one handler; should another have it, input stays queued.
        QWindowSystemInterfacePrivate::installWindowSystemEventHandler(this);
        m_holding = QWindowSystemInterfacePrivate::eventHandler == this;
        return m_holding;
    }

    void holdEnded() override {
        m_holding = false;
        // Ahead of anything the window system queued since, oldest first.
        for (auto it = m_held.rbegin(); it != m_held.rend(); ++it) {
            (*it)->flags |= Judged;
            Wsi::windowSystemEventQueue.prepend(it->release());
        }
        m_held.clear();
        detachWhenIdle();
    }

    bool sendEvent(Wsi::WindowSystemEvent* event) override {
        if (!(event->type & Wsi::UserInputEvent))
            return QWindowSystemEventHandler::sendEvent(event);
        if (dropped(*event)) return true;
        if (m_holding) {
            if (Wsi::WindowSystemEvent* copy = copyOf(*event)) {
                m_held.emplace_back(copy);
                return true;
            }
        }
        return QWindowSystemEventHandler::sendEvent(event);
    }

  private:
    // True when `event` belongs to a click that was made on a disabled control. The press is
    // judged while input is held; the rest of its gesture follows it, even after the wait.
    bool dropped(const Wsi::WindowSystemEvent& event) {
        if (event.type != Wsi::Mouse) return false;
        const auto& mouse = static_cast<const Wsi::MouseEvent&>(event);
        switch (mouse.buttonType) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!m_holding || (event.flags & Judged) || mouse.nonClientArea) return false;
            // An open menu or a grab takes the press wherever it lands.
            if (QApplication::activePopupWidget() || QWidget::mouseGrabber()) return false;
            if (const QWidget* target = widgetAt(mouse.window, mouse.localPos);
                !target || target->isEnabled())
                return false;
            m_droppedButtons |= mouse.button;
            return true;
        case QEvent::MouseButtonRelease:
            if (!(m_droppedButtons & mouse.button)) return false;
            m_droppedButtons &= ~mouse.button;
            detachWhenIdle();
            return true;
        case QEvent::MouseMove:
            return (mouse.buttons & m_droppedButtons) != Qt::NoButton;
        default:
            return false;
        }
    }

    // Leaves the window system's queue alone once nothing is held and no dropped click awaits
    // its release.
    void detachWhenIdle() {
        if (!m_holding && m_droppedButtons == Qt::NoButton)
            QWindowSystemInterfacePrivate::removeWindowSystemEventhandler(this);
    }

    bool m_holding = false;
    Qt::MouseButtons m_droppedButtons;
    std::vector<std::unique_ptr<Wsi::WindowSystemEvent>> m_held;
};

} // namespace

namespace HeldInput {

void install() {
    static Holder holder;
    HeldWait::setInputHolder(&holder);
}

} // namespace HeldInput
