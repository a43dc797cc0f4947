#pragma once
// Pushes the display settings onto the board as a whole: ticket-number visibility, numbering
// and colour, the colours of the fare and clock digits, the stop-name control's colours and
// fonts, then (through the board's onApplyBacklight hook, when set) the picture of the
// backlight state. Same settings, same board: it may run any number of times.
class Form1;
struct Settings;

// `backlightIndex` is the backlight state selected on the operation panel: 0 OFF, 1 ON1,
// anything else ON2. A failure of a step ends the run there and is passed to the caller;
// the steps already done stay done.
void SetProp(const Settings& settings, Form1& board, int backlightIndex);
