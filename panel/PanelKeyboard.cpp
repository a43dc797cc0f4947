#include "panel/PanelKeyboard.h"

#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using PanelKeys::Command;

PanelKeyboard::PanelKeyboard(frmCtl& panel) : QObject(&panel), m_panel(panel) {
    // Keys go to the control under focus, never through the panel: only an application-wide
    // filter sees them all first.
    qApp->installEventFilter(this);
    showKeysInTooltips();
}

QAbstractButton* PanelKeyboard::target(const PanelKeys::Action& action) const {
    const bool keypad = m_panel.frameIndex() == 0; // the dial face sent back: the keypad shows
    const KeypadFace& keys = *m_panel.keypadFace;
    switch (action.command) {
    case Command::Digit:
        return keypad ? keys.CommandButton1[size_t(action.digit)] : nullptr;
    case Command::Route:
        return keypad ? keys.CommandButton1[10] : nullptr;
    case Command::Section:
        return keypad ? keys.CommandButton1[11] : nullptr;
    case Command::Reset:
        return keypad ? m_panel.Command1[1] : m_panel.dials().Command1;
    case Command::Forward:
        return m_panel.Command2[1];
    case Command::Back:
        return m_panel.Command2[0];
    case Command::Clear:
        return m_panel.Check1;
    case Command::TapeNext:
        return m_panel.tapeButtons[1];
    case Command::TapeBack:
        return m_panel.tapeButtons[0];
    case Command::TapeStop:
        return m_panel.tapeButtons[2];
    case Command::None:
        break;
    }
    return nullptr;
}

bool PanelKeyboard::refusedNow(int key, Qt::KeyboardModifiers modifiers) const {
    const PanelKeys::Action action = PanelKeys::action(key, modifiers);
    if (action.command == Command::None) return false;
    if (action.command == Command::Digit && m_panel.frameIndex() == 1)
        return !m_panel.dialFace->isEnabled();
    const QAbstractButton* button = target(action);
    return button && !button->isEnabled();
}

bool PanelKeyboard::hasKey(const QAbstractButton* button) const {
    for (int c = int(Command::Digit); c <= int(Command::TapeStop); ++c)
        for (int digit = 0; digit <= 9; ++digit)
            if (target({Command(c), digit}) == button) return true;
    return false;
}

bool PanelKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != &m_panel) return false;
    return keyPressed(static_cast<QWidget*>(watched), static_cast<QKeyEvent&>(*event));
}

bool PanelKeyboard::keyPressed(QWidget* focus, QKeyEvent& event) {
    const PanelKeys::Action action = PanelKeys::action(event.key(), event.modifiers());
    if (action.command == Command::None) return false;
    // A control with no key of its own takes Space as usual, and Enter presses it too (a
    // panel's buttons take no Enter by themselves).
    if (action.command == Command::TapeNext || action.command == Command::Reset) {
        auto* button = qobject_cast<QAbstractButton*>(focus);
        if (button && !hasKey(button)) {
            if (action.command == Command::TapeNext) return false;
            event.accept();
            if (!event.isAutoRepeat()) button->click();
            return true;
        }
        if (qobject_cast<QComboBox*>(focus)) return false;
    }
    event.accept();
    if (event.isAutoRepeat()) return true; // a held key is one press, as a held click is
    if (action.command == Command::Digit && m_panel.frameIndex() == 1) {
        // The dial face: the digit chooses on the dial under focus, as a click on it does.
        for (QListWidget* dial : m_panel.dials().findChildren<QListWidget*>())
            if (dial == focus && dial->isEnabled()) dial->setCurrentRow(action.digit);
        return true;
    }
    if (QAbstractButton* button = target(action)) button->click(); // does nothing when greyed
    return true;
}

void PanelKeyboard::showKeysInTooltips() {
    auto tip = [](QWidget* control, const QString& keys) {
        control->setToolTip(QStringLiteral("キー：") + keys);
    };
    const KeypadFace& keys = *m_panel.keypadFace;
    for (int d = 0; d <= 9; ++d)
        tip(keys.CommandButton1[size_t(d)], QString::number(d));
    tip(keys.CommandButton1[10], PanelKeys::keyText(Command::Route));
    tip(keys.CommandButton1[11], PanelKeys::keyText(Command::Section));
    // The dial face's controls are there once it is built, and get their tips then.
    for (QPushButton* reset : m_panel.Command1)
        if (reset) tip(reset, PanelKeys::keyText(Command::Reset));
    for (QListWidget* dial : m_panel.dialFace->findChildren<QListWidget*>())
        tip(dial, PanelKeys::keyText(Command::Digit));
    const std::pair<Command, QAbstractButton*> others[] = {
        {Command::Forward, m_panel.Command2[1]},
        {Command::Back, m_panel.Command2[0]},
        {Command::Clear, m_panel.Check1},
        {Command::TapeNext, m_panel.tapeButtons[1]},
        {Command::TapeBack, m_panel.tapeButtons[0]},
        {Command::TapeStop, m_panel.tapeButtons[2]},
    };
    for (const auto& [command, button] : others)
        tip(button, PanelKeys::keyText(command));
}

void PanelKeyboard::orderTabs() {
    QList<QWidget*> order;
    const KeypadFace& keys = *m_panel.keypadFace;
    if (m_panel.frameIndex() == 1) {
        const DialFace& dials = m_panel.dials();
        for (QListWidget* d : dials.List2)
            order << d;
        for (QListWidget* d : dials.List3)
            order << d;
        order << dials.Command1;
    } else {
        for (int index : {7, 8, 9, 4, 5, 6, 1, 2, 3, 0, 10, 11})
            order << keys.CommandButton1[size_t(index)];
        order << keys.Command1;
    }
    order << m_panel.Command2[1] << m_panel.Command2[0] << m_panel.Check1;
    order << m_panel.tapeButtons[0] << m_panel.tapeButtons[1] << m_panel.tapeButtons[2]
          << m_panel.tapeButtons[3];
    order << m_panel.Check4;
    for (QPushButton* b : m_panel.Option4)
        order << b;
    order << m_panel.Check2 << m_panel.HScroll1[0] << m_panel.HScroll1[1];
    order << m_panel.Command4 << m_panel.Command8 << m_panel.Combo1;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
