#pragma once
// What the operation panel asks of the program it runs in: the options dialog behind "設定...",
// what a confirmed quit keeps (the settings file), and the speech component of the
// announcements. The start-up implements it.
#include "tape/SpeechEngine.h"

class PanelHost : public SpeechFactory {
  public:
    // Shows the options dialog modally and returns once it is closed.
    virtual void showOptions() = 0;
    // The quit is confirmed: whatever is kept between runs is written now.
    virtual void quitConfirmed() = 0;
};
