#include "app/StartupPrefetch.h"

#include "platform/Fonts.h"
#include "sound/EspeakVoice.h"
#include "sound/JapaneseSpeech.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace {

// Window systems whose plug-in reaches the accessibility bus through the session bus.
bool reachesAccessibilityBus() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

StartupPrefetch::StartupPrefetch(bool speech) : m_fonts(m_fontsFound.get_future()) {
    if (speech) m_speechInstalled = m_speechChecked.get_future();
    // The X11 and Wayland plug-ins make their accessibility bridge when the first widget
    // touches accessibility (the board, while it is built), and the bridge connects to the
    // session bus then, on the GUI thread and waiting; without a session bus in the
    // environment, the connection first starts one (dbus-launch). The connection is shared
    // by the whole process: made here, the bridge finds it made or being made.
    if (reachesAccessibilityBus())
        m_sessionBus = std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
    m_thread = std::async(std::launch::async, [this, findFonts = Fonts::finder(), speech] {
        try {
            findFonts();
            m_fontsFound.set_value();
        } catch (...) {
            m_fontsFound.set_exception(std::current_exception());
        }
        if (!speech) return;
        try {
            EspeakVoice::preload();
            m_speechChecked.set_value(JapaneseSpeech::installed({}));
        } catch (...) {
            m_speechChecked.set_exception(std::current_exception());
        }
    });
}

StartupPrefetch::~StartupPrefetch() {
    if (m_thread.valid()) m_thread.wait();
    if (m_sessionBus.valid()) m_sessionBus.wait();
}

void StartupPrefetch::waitForFonts() {
    if (m_fonts.valid()) m_fonts.get();
}

std::optional<bool> StartupPrefetch::takeSpeechInstalled() {
    if (!m_speechInstalled.valid()) return std::nullopt;
    return m_speechInstalled.get();
}
