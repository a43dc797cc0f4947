#pragma once
// Start-up procedures of the board and the ticket-number column.
#include <QtGlobal>

class BacklightFrame;
class Form1;
struct Settings;

namespace mdlK41_000 {

// Writes Value 0 to fare digits 1 to 24, in that order.
void ClearFareDigits(Form1& board);

// Start-up defaults: ticket-number auto display on, the three ticket-number colours (white
// for OFF, pale green for ON1 and ON2), the unlit built-in picture on the board, then the
// settings applied to the board, ending with the state `backlight` has selected (see SetProp).
void InitDefaults(Form1& board, Settings& settings, BacklightFrame* backlight);

// Writes the 24 ticket-number captions for numbering `style` (0 to 11), with a leading zero
// for one-digit numbers when `pad` is non-zero, and sets label 1's face. A failure stops
// the writing where it happened and is reported in an error box; it never propagates.
void SeirikenNumSet(Form1& board, qint16 style, qint16 pad);

} // namespace mdlK41_000
