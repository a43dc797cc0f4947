#pragma once
// What the route load needs from the operation panel that runs it: besides what drawing the
// starting row needs (DispDataHost), the sound player, the announcement link, the lamp test,
// the panel's buttons and message boxes. The panel window implements it; tests use a
// recording fake.
#include "faredata/DispDataHost.h"

#include <QDate>
#include <QString>
#include <QVariant>

class RouteLoadHost : public DispDataHost {
  public:
    // Plays `path` on sound channel `channel`; sync non-zero waits for its end.
    virtual void playSound(const QString& path, const QString& channel, qint16 sync) = 0;
    // Hands the route to the announcement link, which loads that route's broadcast data
    // from `folder` (separator already added) and reports nothing.
    virtual void loadBroadcastData(const QString& folder, const QString& route) = 0;

    // The "次は" mode of the stop-name control, kept while "系統選別中" shows.
    virtual qint16 tsugiwaMode() const = 0;

    // Fare digit `index` (1 to 24): every segment on (lit) or off, for the lamp test.
    virtual void resetDegit(int index, bool lit) = 0;
    // Lets the board repaint, then waits `ms` with the user's input held back.
    virtual void holdLampTest(int ms) = 0;

    // Enables "データ戻し", "データ送り" and the "表示消去" box (its check mark untouched).
    virtual void enableDataButtons() = 0;

    // A message box with an OK button only, no icon, the application's title.
    virtual void showMessage(const QString& text) = 0;

    virtual QDate currentDate() const = 0;
};
