#pragma once
// The fare display update: puts one row of the fare table on the board. Fares of the ticket
// numbers from the starting section to 24 (doubled when the late-night fare is on), then the
// information digits chosen in the options, the ticket preview, and last the stop name, with
// "次は" except on the first row of the route.
#include <QString>

class DispDataHost;
class FareTable;
struct RouteState;

class FareDisplay {
  public:
    FareDisplay(const FareTable& table, RouteState& state, DispDataHost& host);

    // Draws row `Index` (1 to 301). An Index outside the table is K41Error 9, thrown before
    // anything is written; valid rows never fail: a doubled fare beyond 16 bits is shown in
    // full, and an information setting that names no fare column (outside 1 to 150) or no
    // digit (a position outside -1 to 23) is skipped. A position of -1 (nothing chosen) writes
    // to the hidden digit 0.
    void DispData(qint16 Index);

    // The ticket date printed on the preview, from the ticket date setting.
    QString seirikenDate() const;

  private:
    const FareTable& m_table;
    RouteState& m_state;
    DispDataHost& m_host;
};
