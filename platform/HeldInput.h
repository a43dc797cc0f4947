#pragma once
// Holds the user's input during held waits (HeldWait) and judges each click when it is made:
// a click on a control that is disabled at that moment (a greyed data button during the lamp
// test) is dropped whole, press, moves and release; everything else is kept and handled after
// the wait, in order and as the window system delivered it. Without this, clicks on a greyed
// button would be handled after the wait, when the button may have been enabled meanwhile.
#include <Qt>

namespace HeldInput {

// A window whose keys act on its controls, as clicks on them would. A key pressed while input
// is held is dropped whole, press and release, when the window refuses it at that moment
// (the control it stands for is disabled), just as a click on that control would be.
class KeyTarget {
  public:
    virtual bool keyRefusedNow(int key, Qt::KeyboardModifiers modifiers) const = 0;

  protected:
    ~KeyTarget() = default;
};

// Takes over the holding of input for every later wait. Call once a QApplication exists;
// calling again does nothing.
void install();

} // namespace HeldInput
