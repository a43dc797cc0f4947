#pragma once
// The panel's context menu (right click, or the menu key on the panel): the program's own
// additions beside the panel's buttons, "自動運行..." and, when the host offers it,
// "録画...".
#include <QObject>

class AutoRideWindow;
class QMenu;
class QWidget;
class frmCtl;
struct Settings;

// Whoever can record the ride: the program's start-up gives the panel one.
class RecordingOpener {
  public:
    virtual ~RecordingOpener() = default;
    // Opens the recording window for the route on the panel, from its current stop.
    virtual void openRecording() = 0;
};

class PanelExtras : public QObject {
    Q_OBJECT
  public:
    PanelExtras(frmCtl& panel, const Settings& settings);

    // The automatic ride's window, built when first wanted: nothing of it shows at start.
    AutoRideWindow* autoRideWindow();
    // Without an opener the menu has no "録画..." entry. The opener must outlive the panel
    // or be cleared first.
    void setRecordingOpener(RecordingOpener* opener) { m_recording = opener; }

    // The menu as it stands; its actions are named "menuAutoRide" and "menuRecord".
    QMenu* buildMenu(QWidget* parent);
    void showAutoRide();

  private:
    frmCtl& m_panel;
    const Settings& m_settings;
    AutoRideWindow* m_autoRide = nullptr;
    RecordingOpener* m_recording = nullptr;
};
