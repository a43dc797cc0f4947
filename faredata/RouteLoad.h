#pragma once
// The route load behind the panel's "リセット" buttons: reads the route number and starting
// section the operator entered, reads that route's fare data file whole, and only when the
// file is accepted replaces the fare table and route state, shows "系統選別中", runs the
// three-second lamp test, enables the data buttons, fixes the ticket date and draws the
// starting row. A refused or unreadable file leaves the table, the route state and the board
// as they were and tells the operator why in a message box.
#include <QString>

class FareTable;
class RouteLoadHost;
struct RouteState;

class RouteLoad {
  public:
    // The operator messages, exactly as shown.
    static const QString MsgNoRouteData;   // the file does not exist
    static const QString MsgNoRows;        // the file holds no rows
    static const QString MsgSectionTooFar; // the section is not before the last row

    // The lamp test's length on the bus.
    static constexpr int LampTestMs = 3000;

    // `lampTestMs` is how long the lamp test holds the panel.
    RouteLoad(FareTable& table, RouteState& state, RouteLoadHost& host,
              int lampTestMs = LampTestMs);

    // Runs the load for reset button `Index` (0 dial face, 1 keypad face). `routeText` is the
    // route as entered (the keypad's display, or the dial selections joined most significant
    // first), `sectionText` the section likewise. Every failure is reported to the operator;
    // returns true when the route was loaded and its starting row drawn.
    bool Command1_Click(int Index, const QString& routeText, const QString& sectionText);

    // The starting section read from what was entered: the number at the start of the text,
    // rounded; 0 or less (an empty entry included) gives 1, 301 or more gives 300.
    static qint16 sectionFromText(const QString& sectionText);
    // The route number that names the files: leading zeros dropped, "" gives "0".
    static QString routeFileNumber(const QString& routeText);

  private:
    FareTable& m_table;
    RouteState& m_state;
    RouteLoadHost& m_host;
    int m_lampTestMs;
};
