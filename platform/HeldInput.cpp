#include "platform/HeldInput.h"

#include "platform/core/HeldWait.h"

#include <QApplication>
#include <QList>
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

QWidget* topLevelOf(const QWindow* window) {
    if (!window) return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window) return top;
    return nullptr;
}

// The widget a press at `pos` in `window` lands on, as the widget window picks it.
QWidget* widgetAt(const QWindow* window, const QPointF& pos) {
    QWidget* top = topLevelOf(window);
    if (!top) return nullptr;
    QWidget* child = top->childAt(pos.toPoint());
    return child ? child : top;
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
        if (event.type == Wsi::Key) return droppedKey(static_cast<const Wsi::KeyEvent&>(event));
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

    // A key is known by its scan code: the release of a shifted key ("+") may report another
    // key code than its press once Shift is up.
    static quint32 keyId(const Wsi::KeyEvent& key) {
        return key.nativeScanCode ? key.nativeScanCode : quint32(key.key);
    }

    bool droppedKey(const Wsi::KeyEvent& key) {
        const quint32 id = keyId(key);
        if (key.keyType == QEvent::KeyRelease) {
            if (!m_droppedKeys.contains(id)) return false;
            if (key.repeat) return true; // the release half of an auto-repeat
            m_droppedKeys.removeOne(id);
            detachWhenIdle();
            return true;
        }
        if (key.keyType != QEvent::KeyPress) return false;
        if (key.repeat && m_droppedKeys.contains(id)) return true;
        if (!m_holding || (key.flags & Judged)) return false;
        const auto* target = dynamic_cast<const HeldInput::KeyTarget*>(topLevelOf(key.window));
        if (!target || !target->keyRefusedNow(key.key, key.modifiers)) return false;
        m_droppedKeys.append(id);
        return true;
    }

    // Leaves the window system's queue alone once nothing is held and no dropped click awaits
    // its release.
    void detachWhenIdle() {
        if (!m_holding && m_droppedButtons == Qt::NoButton && m_droppedKeys.isEmpty())
            QWindowSystemInterfacePrivate::removeWindowSystemEventhandler(this);
    }

    bool m_holding = false;
    Qt::MouseButtons m_droppedButtons;
    QList<quint32> m_droppedKeys; // keys whose press was dropped, until their release
    std::vector<std::unique_ptr<Wsi::WindowSystemEvent>> m_held;
};

} // namespace

namespace HeldInput {

void install() {
    static Holder holder;
    HeldWait::setInputHolder(&holder);
}

} // namespace HeldInput
