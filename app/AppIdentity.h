#pragma once
// How the window system knows K41: its own icon on every window (title bar, task switcher)
// and the name of its desktop file, which ties the windows to the menu entry.
#include <QIcon>

namespace AppIdentity {

// The desktop file's name without ".desktop" (dist/jp.k41.K41.desktop).
inline constexpr char DesktopFileName[] = "jp.k41.K41";

// K41's icon in every size it is drawn in.
QIcon icon();

// Gives the application, and so every window it opens, the icon and the desktop file name.
// Call once a QApplication exists.
void apply();

} // namespace AppIdentity
