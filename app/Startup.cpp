#include "app/Startup.h"

#include "app/AppIdentity.h"
#include "app/BoardPicture.h"
#include "app/Form1.h"
#include "app/RecordWindow.h"
#include "app/SetProp.h"
#include "app/StartupPrefetch.h"
#include "app/WindowsIniHost.h"
#include "app/options/PlgInHost.h"
#include "app/options/SoundPage.h"
#include "app/options/frmOption.h"
#include "panel/BacklightFrame.h"
#include "panel/PanelExtras.h"
#include "panel/frmCtl.h"
#include "platform/HeldInput.h"
#include "platform/QtTexts.h"
#include "platform/SavedPosition.h"
#include "platform/core/AppInfo.h"
#include "platform/core/SignalWatcher.h"
#include "settings/mdlIniIoEx.h"
#include "sound/JapaneseSpeech.h"
#include "sound/MidiSynth.h"
#include "sound/mdlSndAPI.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// Runs an action once, when a window is first exposed, then goes away.
class FirstExpose : public QObject {
  public:
    FirstExpose(QWindow* window, std::function<void()> action)
        : QObject(window), m_action(std::move(action)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() &&
            m_action) {
            auto action = std::move(m_action);
            m_action = nullptr;
            deleteLater();
            action();
        }
        return false;
    }

  private:
    std::function<void()> m_action;
};

} // namespace

Startup::Startup(const QString& settingsPath, SpeechFactory* speech)
    : m_settingsPath(settingsPath), m_speech(speech) {
    m_prefetch = std::make_unique<StartupPrefetch>(speech == nullptr);
    QtTexts::installJapanese();
    HeldInput::install();
    AppIdentity::applyDesktopFileName();
    // The icon and the board's unlit picture have no text: they are made while the fonts are
    // found. The board's labels are the first to lay out text.
    const QIcon icon = AppIdentity::icon();
    BoardPicture::image(0);
    m_prefetch->waitForFonts();
    board = std::make_unique<Form1>(settings);
    panel = std::make_unique<frmCtl>(settings, *board, *this);
    // The panel made its native window; the board's is made now, so that each gets the icon
    // once (see AppIdentity::applyIcon).
    board->winId();
    AppIdentity::applyIcon(icon);
    // The dialog is built when "設定..." first shows it; the settings file loads without it.
    options = std::make_unique<OptionsOnDemand>(settings, *this, *panel->previewArea);
    plugins = &options->plugins();
    extras = new PanelExtras(*panel, settings);
    iniHost = std::make_unique<WindowsIniHost>(settings, *board, *panel, *options);
    board->setPanelWindow(panel.get());
    extras->setRecordingOpener(this);
    m_signals = std::make_unique<SignalWatcher>(&Startup::endOnSignal);
}

void Startup::endOnSignal(int signal) {
    // Quitting was not confirmed, so the settings file is not written: a save happens only
    // after the operator's "はい". Ending through the event loop also ends a held wait or an
    // open message box at once.
    std::fprintf(stderr, "%s: signal %d received, ending without saving the settings\n",
                 qPrintable(AppInfo::exeName()), signal);
    mdlSndAPI::SndCloseAll();
    QCoreApplication::exit(128 + signal);
}

Startup::~Startup() = default;

void Startup::run() {
    board->Form_Load(this);
    // The SoundFont is large: it is loaded only when a MIDI tune is among the sounds.
    if (SoundPage::choosesMidi(settings)) MidiSynth::preloadFont();
    board->show();
    m_prefetch.reset();
    // The speech's dictionary and voice load once the windows are up, on the speech thread.
    QTimer::singleShot(0, panel.get(), [panel = panel.get()] { panel->loadVoice(); });
}

void Startup::loadSettings() {
    mdlIniIoEx::LoadIniFile(m_settingsPath, *iniHost);
}

BacklightFrame& Startup::backlight() {
    return *panel->backlightFrame;
}

void Startup::showOptions() {
    options->dialog().exec();
}

void Startup::quitConfirmed() {
    mdlIniIoEx::SaveIniFile(m_settingsPath, *iniHost);
}

std::unique_ptr<SpeechEngine> Startup::createSpeech() {
    if (m_speech) return m_speech->createSpeech();
    // The voice settings live beside the settings file.
    JapaneseSpeech::Setup setup;
    setup.settingsPath = VoiceSettings::pathBeside(m_settingsPath);
    return JapaneseSpeech::create(std::move(setup));
}

void Startup::SetProp() {
    ::SetProp(settings, *board, panel->backlightFrame);
}

void Startup::applyBacklight() {
    panel->backlightFrame->applySelected();
}

void Startup::openRecording() {
    // Built on first use: nothing of it shows at start.
    if (!recordWindow)
        recordWindow = new RecordWindow(
            *panel, [this](const QString& path) { mdlIniIoEx::SaveIniFile(path, *iniHost); });
    recordWindow->openRecording();
}

void Startup::showPanel() {
    panel->show();
    panel->Form_Load();
    panel->raise();
    board->move(0, 0);
    placePanelBottomRight();
    // A window manager adds the panel's frame only once the window is mapped, so the corner
    // is found again when the panel is first exposed, unless the settings file has placed it.
    // (Its position then may still be one the window manager reported on the way.)
    if (QWindow* window = panel->windowHandle())
        new FirstExpose(window, [this] {
            if (!panel->positionRestored()) placePanelBottomRight();
        });
}

void Startup::placePanelBottomRight() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // The work area: a taskbar or panel keeps its part of the screen. The client area is
        // placed, as a restored position is, around the frame the native window knows of.
        const QRect area = screen->availableGeometry();
        const QRect client = panel->geometry();
        const QMargins margins = SavedPosition::frameMargins(*panel);
        // From beyond the corner, pulled in until the frame meets the corner.
        const QRect beyond(area.bottomRight(), client.size());
        panel->setGeometry(QRect(SavedPosition::keepInside(beyond, margins, area), client.size()));
    }
}
