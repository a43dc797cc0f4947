#include "platform/TopLevelWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow_p.h>

namespace {

const char* const PresentAsWindow = "k41PresentAsWindow";

QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(PresentAsWindow).toBool()) return nullptr;
    // Without an accessible name of its own, a window is named by its caption.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

namespace TopLevelWindow {

void presentAsWindow(QWidget* window) {
    static const bool installed = (QAccessible::installFactory(windowInterface), true);
    Q_UNUSED(installed)
    window->setProperty(PresentAsWindow, true);
}

void useFixedDialogFrame(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
#if QT_CONFIG(xcb)
    // The Motif hints that Qt sets already leave out the minimise and maximise buttons, but
    // some window managers (openbox) draw them on every dialog regardless. Every EWMH window
    // manager gives a toolbar window (a control panel torn off the main window) a close box
    // only; the dialog type stays behind it as the fallback.
    window->winId();
    using X11Window = QNativeInterface::Private::QXcbWindow;
    if (auto* x11 = window->windowHandle()->nativeInterface<X11Window>())
        x11->setWindowType(X11Window::Toolbar);
#endif
}

} // namespace TopLevelWindow
