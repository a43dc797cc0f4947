#pragma once
// The board window's view choices, offered on its context menu (right click, or the menu key
// while the board has the focus): the scale (1×, 1.5×, 2×, 3×, as large as the screen
// allows), full screen (also F11; Esc leaves it) on the screen of the user's choice, always
// on top, and a key colour around the board's face for keying it out of a video.
#include <QColor>
#include <QObject>
#include <QPointer>

class Form1;
class QMenu;
class QScreen;
class QShortcut;

class BoardViewMenu : public QObject {
    Q_OBJECT
  public:
    // Scale choices; 0 stands for "as large as the screen allows".
    static constexpr qreal Scales[] = {1.0, 1.5, 2.0, 3.0, 0.0};

    explicit BoardViewMenu(Form1& board);

    qreal scaleChoice() const { return m_scale; }
    void setScaleChoice(qreal scale);
    bool fullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on);
    bool alwaysOnTop() const { return m_onTop; }
    void setAlwaysOnTop(bool on);
    // The screen the board is shown on in full screen and moved to when chosen; null: the
    // screen the board is on.
    void setScreen(QScreen* screen);
    bool keyed() const { return m_keyed; }
    void setKeyed(bool on);
    QColor keyColour() const { return m_keyColour; }
    void setKeyColour(const QColor& colour);

    // The context menu as it stands now; its actions are named for tests ("viewScale(2)",
    // "viewFullScreen", "viewScreen(0)", "viewOnTop", "viewKey", "viewKeyColour").
    QMenu* buildMenu(QWidget* parent);

  private:
    void popUp(const QPoint& at);
    void apply();
    void chooseKeyColour();
    QScreen* targetScreen() const;

    Form1& m_board;
    qreal m_scale = 1.0;
    bool m_fullScreen = false;
    bool m_onTop = false;
    bool m_keyed = false;
    QColor m_keyColour{0, 255, 0};
    QPointer<QScreen> m_screen;
    QShortcut* m_leaveFullScreen = nullptr;
};
