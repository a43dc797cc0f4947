#pragma once
// What the route load needs from the operation panel that runs it: the board's fare digits
// and stop-name line, the sound player, the announcement link, the panel's buttons, message
// boxes and the settings. The panel window implements it (calls shared with DispDataHost have
// the same signatures, so one implementation serves both); tests use a recording fake.
#include <QDate>
#include <QString>
#include <QVariant>

struct Settings;

class RouteLoadHost {
  public:
    virtual ~RouteLoadHost() = default;

    virtual const Settings& settings() const = 0;

    // Plays `path` on sound channel `channel`; sync non-zero waits for its end.
    virtual void playSound(const QString& path, const QString& channel, qint16 sync) = 0;
    // Hands the route to the announcement link, which loads that route's broadcast data
    // from `folder` (separator already added) and reports nothing.
    virtual void loadBroadcastData(const QString& folder, const QString& route) = 0;

    // The stop-name control.
    virtual qint16 tsugiwaMode() const = 0;
    virtual void setTsugiwaMode(qint16 mode) = 0;
    virtual void setChimei(const QString& text) = 0;

    // Fare digit `index` (1 to 24): ResetDegit (lit: every segment on / off) and Value.
    virtual void resetDegit(int index, bool lit) = 0;
    virtual void setDegitValue(int index, const QVariant& value) = 0;
    // Lets the board repaint, then waits `ms` with the user's input held back.
    virtual void holdLampTest(int ms) = 0;

    // Enables "データ戻し", "データ送り" and the "表示消去" box (its check mark untouched).
    virtual void enableDataButtons() = 0;

    // A message box with an OK button only, no icon, the application's title.
    virtual void showMessage(const QString& text) = 0;

    virtual QDate currentDate() const = 0;

    // Draws row `index` of the fare table on the board (DispData). A K41Error it throws is
    // reported by the route load like any other failure.
    virtual void dispData(qint16 index) = 0;
};
