#pragma once
// Where the options dialog's display settings go: the board and the backlight state selected
// on the operation panel. The start-up implements it over the real windows.
class DisplayTarget {
  public:
    virtual ~DisplayTarget() = default;

    // Every display setting onto the board, the selected backlight state last (SetProp).
    virtual void SetProp() = 0;
    // The selected backlight state again: its picture and the ticket numbers' colour.
    virtual void applyBacklight() = 0;
};
