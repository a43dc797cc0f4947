#pragma once
// The route the operation panel works on: what the operator entered, where the board is along
// the route, and the ticket date fixed when the route was set. Changed as a whole by a
// successful route load, so the stepping bound always matches the rows in the fare table.
#include <QString>

struct RouteState {
    QString RouteText;           // route number as entered, leading zeros kept; "" before a load
    qint16 StartSection = 0;     // 1 to 300: first row shown, first ticket number written
    qint16 StopCount = 0;        // rows of the loaded route
    qint16 CurStop = 0;          // current row - 1
    qint16 SavedTsugiwaMode = 0; // "次は" mode remembered while a message without it is shown
    QString HeldSeiriDate;       // "mm-dd-yyyy" taken when the route was set

    // Data back/forward: moves CurStop by one and returns true, or returns false and leaves it
    // at the first or last row of the loaded route (with no route loaded nothing moves).
    bool stepBack();
    bool stepForward();
};
