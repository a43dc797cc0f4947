#pragma once
// K41's windows and their wiring: the live settings store, the board, the operation panel,
// the options dialog, and the settings file between them. main() makes one, tests make their own
// with a settings file in a temporary folder. The windows reach each other through small
// interfaces that the start-up implements: the board's start-up steps (BoardStartup), what the
// panel asks of the program (PanelHost), where the options dialog's display settings go
// (DisplayTarget), who opens the recording window from the panel's menu (RecordingOpener).
#include "app/Form1.h"
#include "app/options/DisplayTarget.h"
#include "app/options/OptionsOnDemand.h"
#include "panel/PanelExtras.h"
#include "panel/PanelHost.h"
#include "settings/Settings.h"

#include <QString>
#include <memory>

class frmCtl;
class SignalWatcher;
class StartupPrefetch;
class RecordWindow;
class WindowsIniHost;

class Startup : public BoardStartup,
                public PanelHost,
                public DisplayTarget,
                public RecordingOpener {
  public:
    // `settingsPath` is the settings file read at start and written when quitting. `speech`
    // makes the announcements' speech component; null: the Japanese speech with its voice
    // settings beside the settings file. It must outlive the windows.
    explicit Startup(const QString& settingsPath, SpeechFactory* speech = nullptr);
    ~Startup() override;

    // The board's load: defaults, the panel shown and placed, the settings file read.
    void run();

    Settings settings;
    std::unique_ptr<Form1> board;
    std::unique_ptr<frmCtl> panel;
    // The options dialog, built when first wanted (whoever takes it as a frmOption builds it).
    std::unique_ptr<OptionsOnDemand> options;
    PlgInHost* plugins = nullptr;         // owned by `options`
    PanelExtras* extras = nullptr;        // the panel's context menu, owned by the panel
    RecordWindow* recordWindow = nullptr; // "録画...", owned by the panel; built when first opened
    std::unique_ptr<WindowsIniHost> iniHost;

  private:
    // SIGINT, SIGTERM or SIGHUP: the sound channels close and the program ends with status
    // 128 + signal, leaving the settings file as it was (only a confirmed quit writes it).
    static void endOnSignal(int signal);

    // The interfaces the windows are given; only they call these.
    // BoardStartup
    void showPanel() override;
    void loadSettings() override;
    BacklightFrame& backlight() override;
    // PanelHost
    void showOptions() override;
    void quitConfirmed() override;
    std::unique_ptr<SpeechEngine> createSpeech() override;
    // DisplayTarget
    void SetProp() override;
    void applyBacklight() override;
    // RecordingOpener
    void openRecording() override;

    void placePanelBottomRight();
    QString m_settingsPath;
    SpeechFactory* m_speech;
    std::unique_ptr<StartupPrefetch> m_prefetch;
    std::unique_ptr<SignalWatcher> m_signals;
};
