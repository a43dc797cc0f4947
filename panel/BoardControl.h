#pragma once
// What the operation panel may do to the board: the panel drives the board through this and
// nothing else, so the board's controls stay the board's own. The board window implements it.
#include "platform/core/Colour.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QVariant>

class BoardControl {
  public:
    virtual ~BoardControl() = default;

    // The board's caption (its window title).
    virtual void setBoardCaption(const QString& caption) = 0;
    // Disables or enables the whole board window (while one of the panel's dialogs is open).
    virtual void setBoardEnabled(bool enabled) = 0;

    // Writes `value` (a number, a text or nothing) into the fare digit of ticket number
    // `ticket` (1 to 24); ticket 0 is the hidden spare digit.
    virtual void showFare(int ticket, const QVariant& value) = 0;
    // Lights every segment of the fare digit of `ticket` (the lamp test), or blanks it.
    virtual void lampTest(int ticket, bool lit) = 0;
    // Repaints the board now, before a held wait.
    virtual void repaintBoard() = 0;

    // Blanks all 24 fares and the clock and stops the clock (the display clear).
    virtual void clearDisplay() = 0;
    // Starts the clock again after a display clear, when the clock is shown.
    virtual void resumeClock() = 0;

    // The stop-name line: shows `name` (scrolling when it is longer than the line; the empty
    // text blanks it).
    virtual void showStopName(const QString& name) = 0;
    // Its "次は" prefix: 0 none, 1 with a smaller "は", 2 same size; shows with the next name.
    virtual qint16 tsugiwaMode() const = 0;
    virtual void setTsugiwaMode(qint16 mode) = 0;
    // Its scroll: the speed, and the pause in milliseconds after each pass.
    virtual void setStopNameScroll(qint16 speed, qint32 pauseMs) = 0;

    // The built-in picture of backlight state `state` (0 OFF, 1 ON1, 2 ON2).
    virtual QImage builtinPicture(int state) const = 0;
    // The board's background picture, drawn from its top-left corner at its own size (cut at
    // the right and bottom, plain grey beyond a smaller one). Writing it repaints the board.
    virtual void setPicture(const QImage& picture) = 0;
    // The size of the board: the part of a picture that can show.
    virtual QSize pictureArea() const = 0;
    // Text colour of the ticket numbers 1 to 24.
    virtual void setSeiriNumForeColor(OleColor colour) = 0;

    // Called when quitting.
    virtual void DeleteRgn() = 0;
};
