#pragma once
// How K41's top-level windows present themselves to the window manager and to assistive
// technology.
class QWidget;

namespace TopLevelWindow {

// Presents `window` to assistive technology as a window, named by its caption. Qt presents a
// plain top-level QWidget as a nameless filler. Call before anything asks for its interface.
void presentAsWindow(QWidget* window);

// Asks the window manager for a fixed frame with a title bar and a close box only: no
// minimise or maximise button, no resizing. Call on a top-level with Qt::Dialog flags and a
// fixed size, before it is first shown.
void useFixedDialogFrame(QWidget* window);

} // namespace TopLevelWindow
