#include "faredata/PanelKeys.h"

namespace PanelKeys {

namespace {

// The numeric keypad with Num Lock off: the cursor keys printed under its digits.
int keypadDigitWithoutNumLock(int key) {
    switch (key) {
    case Qt::Key_Insert:
        return 0;
    case Qt::Key_End:
        return 1;
    case Qt::Key_Down:
        return 2;
    case Qt::Key_PageDown:
        return 3;
    case Qt::Key_Left:
        return 4;
    case Qt::Key_Clear:
        return 5;
    case Qt::Key_Right:
        return 6;
    case Qt::Key_Home:
        return 7;
    case Qt::Key_Up:
        return 8;
    case Qt::Key_PageUp:
        return 9;
    default:
        return -1;
    }
}

} // namespace

Action action(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return {Command::Digit, key - Qt::Key_0};
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (keypad) {
        if (const int digit = keypadDigitWithoutNumLock(key); digit >= 0)
            return {Command::Digit, digit};
        if (key == Qt::Key_Delete) return {Command::Clear};
    }
    switch (key) {
    case Qt::Key_Slash:
        return {Command::Route};
    case Qt::Key_Asterisk:
        return {Command::Section};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {Command::Reset};
    case Qt::Key_Plus:
        return {Command::Forward};
    case Qt::Key_Minus:
        return {Command::Back};
    case Qt::Key_Period:
        return {Command::Clear};
    case Qt::Key_Space:
        return {Command::TapeNext};
    case Qt::Key_Backspace:
        return {Command::TapeBack};
    case Qt::Key_Escape:
        return {Command::TapeStop};
    default:
        return {};
    }
}

QString keyText(Command command) {
    switch (command) {
    case Command::Digit:
        return QStringLiteral("0-9");
    case Command::Route:
        return QStringLiteral("/");
    case Command::Section:
        return QStringLiteral("*");
    case Command::Reset:
        return QStringLiteral("Enter");
    case Command::Forward:
        return QStringLiteral("+");
    case Command::Back:
        return QStringLiteral("-");
    case Command::Clear:
        return QStringLiteral(". (テンキーの Del)");
    case Command::TapeNext:
        return QStringLiteral("Space");
    case Command::TapeBack:
        return QStringLiteral("BackSpace");
    case Command::TapeStop:
        return QStringLiteral("Esc");
    case Command::None:
        break;
    }
    return {};
}

} // namespace PanelKeys
