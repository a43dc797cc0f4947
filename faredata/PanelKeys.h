#pragma once
// Which command of the operation panel a key stands for, so that the panel can be driven from
// a numeric keypad: the digits, "/" for "系統", "*" for "区間", Enter for "リセット", "+" and "-"
// for the data steps, "." for "表示消去", and Space, Backspace and Escape for the announcement
// buttons. The main keys and the numeric keypad give the same commands; the keypad gives them
// with Num Lock off too, where its keys report the cursor keys. A key held with Ctrl, Alt or
// Meta is no command: those belong to the window system and to shortcuts.
#include <QString>
#include <Qt>

namespace PanelKeys {

enum class Command {
    None,
    Digit,   // a digit key of the keypad face, or the digit of the dial under focus
    Route,   // "系統"
    Section, // "区間"
    Reset,   // "リセット" of the face in front
    Forward, // "データ送り"
    Back,    // "データ戻し"
    Clear,   // "表示消去"
    TapeNext,
    TapeBack,
    TapeStop,
};

struct Action {
    Command command = Command::None;
    int digit = -1; // 0 to 9 for Command::Digit
};

Action action(int key, Qt::KeyboardModifiers modifiers);

// The keys of `command` as a tooltip names them ("+", "Enter"); the digit keys as "0"-"9".
QString keyText(Command command);

} // namespace PanelKeys
