#include "panel/DataButtons.h"

#include "panel/PanelWidgets.h"

#include <QPushButton>

DataButtons::DataButtons(QWidget* panel) : QObject(panel) {
    using PanelWidgets::makeButton;
    // Forward on top, where the driver's hand rests; back below it.
    Command2[1] = makeButton(panel, QStringLiteral("Command2(1)"), QStringLiteral("データ送り"),
                             QRect(2085, 60, 1290, 375));
    Command2[0] = makeButton(panel, QStringLiteral("Command2(0)"), QStringLiteral("データ戻し"),
                             QRect(2085, 465, 1290, 375));
    for (int i = 0; i < 2; ++i) {
        Command2[size_t(i)]->setEnabled(false);
        connect(Command2[size_t(i)], &QPushButton::clicked, this, [this, i] { stepClicked(i); });
    }
    Check1 = makeButton(panel, QStringLiteral("Check1"), QStringLiteral("表示消去"),
                        QRect(2085, 870, 1290, 345));
    Check1->setCheckable(true);
    Check1->setEnabled(false);
    Check1->setStyleSheet(
        QStringLiteral("QPushButton:checked { background: #505050; color: white; }"));
    connect(Check1, &QPushButton::toggled, this, &DataButtons::clearToggled);
}

void DataButtons::setSteppingEnabled(bool enabled) {
    for (QPushButton* b : Command2)
        b->setEnabled(enabled);
}
