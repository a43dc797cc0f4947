#include "platform/ChoiceButton.h"

#include <QAbstractButton>
#include <memory>

namespace ChoiceButton {

void onChosen(QAbstractButton* button, QObject* context, std::function<void()> handler) {
    // A choice checks the button (toggled) before the click that made it is reported (clicked):
    // the click runs the handler only when its press found the button already down.
    auto downWhenPressed = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::pressed, context,
                     [button, downWhenPressed] { *downWhenPressed = button->isChecked(); });
    QObject::connect(button, &QAbstractButton::toggled, context, [handler](bool checked) {
        if (checked) handler();
    });
    QObject::connect(button, &QAbstractButton::clicked, context,
                     [button, downWhenPressed, handler] {
                         const bool rerun = *downWhenPressed && button->isChecked();
                         *downWhenPressed = false;
                         if (rerun) handler();
                     });
}

} // namespace ChoiceButton
