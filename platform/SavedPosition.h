#pragma once
// A top-level window's position as the settings file keeps it. The point stored is the
// window's client area (inside the window manager's frame), both when saving and when
// restoring: a window manager adds its frame only once a window is shown, so a frame origin
// saved and restored as a client origin would creep by the frame at every start.
// Restoring keeps the whole frame, title bar first, inside the available area of the screen
// (the work area without panels and taskbars); saving gives back the stored value for as long
// as the window has not been moved, so a pulled-in or rounded position never replaces the
// user's own.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QtGlobal>
#include <optional>

class QWidget;

class SavedPosition {
  public:
    // Moves `window` to the stored client position, pulled into the screen's available area.
    // Once the window is shown and framed, it is placed again with the frame known.
    void restore(QWidget& window, QPoint twips);

    // The position to store for `window`: the stored one while the window stays where it was
    // put, else the client area's position now.
    QPoint twips(const QWidget& window) const;

    // Whether a stored position has been restored.
    bool restored() const { return m_stored.has_value(); }

    // Where a window of client area `client` with frame `margins` goes so that its frame lies
    // inside `area`: right and bottom edges first, then the left and top edges, so that a
    // window larger than the area keeps its title bar and left edge in view.
    static QPoint keepInside(const QRect& client, const QMargins& margins, const QRect& area);

    // The window manager's frame around `window` as far as it is known now (none before the
    // window is framed, nor where there is no window manager).
    static QMargins frameMargins(const QWidget& window);

  private:
    class Settle;
    void place(QWidget& window, QPoint pixels);
    void settle(QWidget& window);

    std::optional<QPoint> m_stored; // twips, as restored
    QPoint m_placed;                // the client position it was put at
    Settle* m_settle = nullptr;     // watching for the frame; owned by the window
};
