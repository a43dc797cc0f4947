#pragma once
// How the window system knows K41: its own icon on every window (title bar, task switcher)
// and the name of its desktop file, which ties the windows to the menu entry.
#include <QIcon>
#include <QImage>
#include <QList>

namespace AppIdentity {

// The desktop file's name without ".desktop" (dist/jp.k41.K41.desktop).
inline constexpr char DesktopFileName[] = "jp.k41.K41";

// The icon's pictures, one per size it is drawn in. Decoding needs no GUI thread, so the
// start-up decodes them on another thread while the windows are built.
QList<QImage> iconImages();

// K41's icon made of those pictures (on the GUI thread).
QIcon icon(const QList<QImage>& images = iconImages());

// Gives the application the desktop file name. Call once a QApplication exists.
void applyDesktopFileName();

// Gives the application, and so every window it opens, `icon`. The X11 plug-in sends every
// size of the icon to the window manager each time a window is created and again when the
// icon is set on it, so the start-up gives it once both windows exist, before either is
// shown: each is then sent once, and is there when the window is first mapped.
void applyIcon(const QIcon& icon);

} // namespace AppIdentity
