#pragma once
// The handler of a button in a group of which one is down (a page button, a backlight state)
// runs once for every way the user can choose it: a click or a key press (which emit clicked),
// and an accessibility action that only checks it (which emits toggled alone). A click on the
// button already down changes no state but still runs the handler once, as a click does.
#include <functional>

class QAbstractButton;
class QObject;

namespace ChoiceButton {

// Runs `handler` each time `button` is chosen, as long as `context` lives.
void onChosen(QAbstractButton* button, QObject* context, std::function<void()> handler);

} // namespace ChoiceButton
