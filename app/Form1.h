#pragma once
// The board window: a borderless 543 × 333 px window showing the board picture, the 24 fare
// digits with their ticket-number labels, the stop-name line and two (hidden) clock digits.
// Other windows write the board through the control arrays below, addressed by index.
//
// The window paints from a cached back buffer (the plain background with the board picture
// at its top-left corner, unscaled); the buffer is rebuilt only when the picture changes.
// After start-up the board reacts only to a left-button drag on its background (moves the
// window), a double-click on a fare digit (zero display for all 24) and its clock timer.
#include "app/BoardView.h"
#include "app/ControlArray.h"
#include "panel/BoardControl.h"
#include "platform/SavedPosition.h"
#include "platform/core/Colour.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

class BacklightFrame;
class BoardViewMenu;
class ChimeiCtl_DX;
class M_Degit;
class QLabel;
class QTime;
class QTimer;
struct Settings;

// The start-up steps that belong to the other windows, which the board's Form_Load runs in
// this order. The start-up implements it.
class BoardStartup {
  public:
    virtual ~BoardStartup() = default;
    // Shows and places the operation panel (before the board is clipped).
    virtual void showPanel() = 0;
    // Reads the settings file.
    virtual void loadSettings() = 0;
    // The panel's backlight buttons, whose selected state applying the defaults ends with.
    virtual BacklightFrame& backlight() = 0;
};

class Form1 : public QWidget, public BoardControl {
    Q_OBJECT
  public:
    // `settings` is the live settings store; it must outlive the board.
    explicit Form1(Settings& settings, QWidget* parent = nullptr);
    ~Form1() override;

    // Control arrays. Degit 1 to 24 are the fares of ticket numbers 1 to 24, element 0 is a
    // hidden spare; lblSeiriNum 1 to 24 the ticket numbers above them (element 0 a spare
    // label); TimeDegit 0 and 1 the clock's hours and minutes (hidden).
    ControlArray<M_Degit> Degit{0};
    ControlArray<QLabel> lblSeiriNum{0};
    ControlArray<M_Degit> TimeDegit{0};
    // The stop-name line.
    ChimeiCtl_DX* ChimeiCtl = nullptr;
    // Clock tick, 1000 ms, stopped until the operation panel starts it.
    QTimer* Timer1 = nullptr;

    // Last position of the board in twips, exchanged with the settings file.
    qint32 BoardLeft = 0;
    qint32 BoardTop = 0;

    Settings& settings() const { return m_settings; }

    // The operation panel, disabled while a fare digit's zero-display dialog is open.
    // May be null (no panel yet).
    void setPanelWindow(QWidget* panel);
    QWidget* panelWindow() const { return m_panel; }

    // The background picture, drawn from the top-left corner at its own size; a larger one is
    // cut off, a smaller one leaves the plain grey background around it. Writing it repaints.
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage& picture) override;

    // Text colour of the ticket-number labels 1 to 24.
    void setSeiriNumForeColor(OleColor colour) override;
    // Caption of ticket-number label `index`; its accessible name follows it.
    void setSeiriNumCaption(int index, const QString& caption);

    // The image the window shows (background and picture, without the child controls).
    const QImage& backBuffer() const { return m_backBuffer; }

    // Shows the board as `view` says: resizes the window, places and scales every control
    // and redraws the background. The default view is the board at its designed size.
    void setView(const BoardView& view);
    const BoardView& view() const { return m_view; }
    // The view choices of the context menu and F11.
    BoardViewMenu* viewMenu() const { return m_viewMenu; }

    // Start-up: closes sound channels, clears the fares, applies the defaults, shows the
    // panel (`steps`), clips the window to its client area, repaints and reads the settings
    // file (`steps`). Without `steps` the board starts alone. Errors of the steps or of
    // applying settings are passed to the caller.
    void Form_Load(BoardStartup* steps = nullptr);
    // Left button: the window follows the mouse until it is released. Other buttons: nothing.
    void Form_MouseDown(Qt::MouseButton button);
    // Double-click on fare digit `Index`: with its UserSet, opens the digit's zero-display
    // dialog (the operation panel disabled meanwhile) and on OK copies its zero rules to all
    // 24 fare digits.
    void Degit_DblClick(int Index);
    // Copies Shift, FillZero and ZeroMode of Degit(Index) to Degit 1 to 24 and rewrites each
    // one's Value so that it redraws with them.
    void CopyZeroRules(int Index);
    // Clock tick: hours into TimeDegit 0, minutes into TimeDegit 1, as numbers.
    void Timer1_Timer();
    void ShowClock(const QTime& time);

    // BoardLeft/BoardTop from the window's position, and back.
    void GetFormInfo();
    void SetFormInfo();
    // Called at exit. The window owns its clip region, so nothing is released here.
    void DeleteRgn() override;

    // What the operation panel may do to the board.
    void setBoardCaption(const QString& caption) override;
    void setBoardEnabled(bool enabled) override;
    void showFare(int ticket, const QVariant& value) override;
    void lampTest(int ticket, bool lit) override;
    void repaintBoard() override;
    void clearDisplay() override;
    void resumeClock() override;
    void showStopName(const QString& name) override;
    qint16 tsugiwaMode() const override;
    void setTsugiwaMode(qint16 mode) override;
    void setStopNameScroll(qint16 speed, qint32 pauseMs) override;
    // imgRes `state`; any other state gives the unlit picture.
    QImage builtinPicture(int state) const override;
    QSize pictureArea() const override { return BoardView::designedSize(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The board never closes on its own: a close request (Alt+F4, a window list's "Close")
    // asks the panel's quit question, which ends the program or keeps both windows.
    void closeEvent(QCloseEvent* event) override;
    // Hands the move to the window system; a seam for tests. Returns whether it started.
    // Where the window system cannot move the window, the board follows the mouse itself.
    virtual bool beginSystemMove();

  private:
    // Built-in pictures of the backlight states OFF, ON1, ON2, each its own drawing, drawn
    // when first asked for: the lit ones are not needed until the backlight is switched on.
    mutable std::array<QImage, 3> imgRes;
    void buildControls();
    void placeControls();
    void redrawBackBuffer();
    // The backlight state whose built-in picture the board shows, -1 for a user's picture.
    int builtinState() const;

    Settings& m_settings;
    QPointer<QWidget> m_panel;
    SavedPosition m_position;
    // A drag the board carries out itself: where the press grabbed the window, relative to
    // its top-left corner (screen pixels).
    bool m_dragging = false;
    QPoint m_dragGrip;
    QImage m_picture;
    QImage m_backBuffer;
    BoardView m_view;
    BoardViewMenu* m_viewMenu = nullptr;
};
