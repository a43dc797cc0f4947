#pragma once
// "自動運行": a small window of the panel that starts and stops the automatic ride. It offers
// the seconds per stop and, when the route has a timetable, its speed; while the ride runs it
// says so, counts down to the next stop and names every way to stop it. Esc or "停止" stops
// the ride; closing the window does too.
#include "panel/AutoRide.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class frmCtl;
struct Settings;

class AutoRideWindow : public QDialog {
    Q_OBJECT
  public:
    AutoRideWindow(frmCtl& panel, const Settings& settings);

    AutoRide& ride() { return *m_ride; }
    QSpinBox* secondsBox = nullptr;   // "secondsPerStop"
    QComboBox* speedBox = nullptr;    // "timetableSpeed": 1, 2, 10 times
    QPushButton* startStop = nullptr; // "startStop"
    QLabel* status = nullptr;         // "rideStatus"

    // Starts the ride with the choices shown; failures are said in the status line.
    void startRide();

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void refresh();
    void showStopped(AutoRide::StopReason reason);

    frmCtl& m_panel;
    const Settings& m_settings;
    AutoRide* m_ride = nullptr;
    QTimer* m_countdown = nullptr;
    QList<qint64> m_timetable;
};
