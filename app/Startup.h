#pragma once
// K41's windows and their wiring: the live settings store, the board, the operation panel,
// the options dialog, and the settings file between them. main() makes one, tests make their own
// with a settings file in a temporary folder.
#include "settings/Settings.h"

#include <QString>
#include <memory>

class Form1;
class frmCtl;
class SignalWatcher;
class frmOption;
class PlgInHost;
class PanelExtras;
class RecordWindow;
class WindowsIniHost;

class Startup {
  public:
    // `settingsPath` is the settings file read at start and written when quitting.
    explicit Startup(const QString& settingsPath);
    ~Startup();

    // The board's load: defaults, the panel shown and placed, the settings file read.
    void run();

    Settings settings;
    std::unique_ptr<Form1> board;
    std::unique_ptr<frmCtl> panel;
    std::unique_ptr<frmOption> options;
    PlgInHost* plugins = nullptr;         // owned by the dialog
    PanelExtras* extras = nullptr;        // the panel's context menu, owned by the panel
    RecordWindow* recordWindow = nullptr; // "録画...", owned by the panel
    std::unique_ptr<WindowsIniHost> iniHost;

  private:
    // SIGINT, SIGTERM or SIGHUP: the sound channels close and the program ends with status
    // 128 + signal, leaving the settings file as it was (only a confirmed quit writes it).
    static void endOnSignal(int signal);
    void showPanel();
    void placePanelBottomRight();
    QString m_settingsPath;
    std::unique_ptr<SignalWatcher> m_signals;
};
