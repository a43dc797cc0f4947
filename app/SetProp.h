#pragma once
// Pushes the display settings onto the board as a whole: ticket-number visibility and
// numbering, the colours of the fare and clock digits, the stop-name control's colours and
// fonts, then the backlight state selected on the operation panel (its picture and the ticket
// numbers' colour, BacklightFrame::Option4_Click). Same settings, same board: it may run any
// number of times.
class BacklightFrame;
class Form1;
struct Settings;

// `backlight` is the panel's backlight buttons; null for a board without a panel, whose
// picture and ticket-number colour then stay as they are. A failure of a step ends the run
// there and is passed to the caller; the steps already done stay done.
void SetProp(const Settings& settings, Form1& board, BacklightFrame* backlight);
