#pragma once
// How the window system knows K41: its own icon on every window (title bar, task switcher)
// and the name of its desktop file, which ties the windows to the menu entry.
#include <QIcon>

namespace AppIdentity {

// The desktop file's name without ".desktop" (dist/jp.k41.K41.desktop).
inline constexpr char DesktopFileName[] = "jp.k41.K41";

// K41's icon in every size it is drawn in.
QIcon icon();

// Gives the application the desktop file name. Call once a QApplication exists.
void applyDesktopFileName();

// Gives the application, and so every window it opens, `icon`. The X11 plug-in sends every
// size of the icon to the window manager when a window is created and again when the icon is
// set on it, so the start-up gives it once both of its windows exist, before either is shown:
// each gets it once, and has it when first mapped.
void applyIcon(const QIcon& icon);

} // namespace AppIdentity
