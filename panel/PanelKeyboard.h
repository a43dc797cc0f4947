#pragma once
// The operation panel from the keyboard. While the panel is the active window, the keys of
// PanelKeys act exactly as a click on their control: the same handler and sound, and nothing
// while the control is greyed. On the dial face a digit sets the dial under focus. Space and
// Enter press a focused button that has no key of its own ("設定...", the backlight buttons,
// …), and a drop-down list keeps them, so that every control stays usable from the keyboard.
//
// It also gives each control its key in the tooltip, and the panel its Tab order: the visible
// controls column by column, top to bottom, as they are read.
#include "faredata/PanelKeys.h"

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class frmCtl;

class PanelKeyboard : public QObject {
    Q_OBJECT
  public:
    // Watches every key event of the application for the ones that reach `panel`.
    explicit PanelKeyboard(frmCtl& panel);

    // The control `action` clicks now (the face in front decides the digits and the reset),
    // nullptr for none.
    QAbstractButton* target(const PanelKeys::Action& action) const;
    // True when the key stands for a control that is greyed now.
    bool refusedNow(int key, Qt::KeyboardModifiers modifiers) const;

    // The Tab order of the face in front and the controls beside it.
    void orderTabs();
    // Gives each control that has a key the key in its tooltip (again after the dial face is
    // built).
    void showKeysInTooltips();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // `focus`: the control the key was sent to.
    bool keyPressed(QWidget* focus, QKeyEvent& event);
    // True when some key clicks `button` now.
    bool hasKey(const QAbstractButton* button) const;

    frmCtl& m_panel;
};
