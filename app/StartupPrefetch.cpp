#include "app/StartupPrefetch.h"

#include "platform/Fonts.h"
#include "sound/EspeakVoice.h"
#include "sound/JapaneseSpeech.h"

StartupPrefetch::StartupPrefetch(bool speech) : m_fonts(m_fontsFound.get_future()) {
    if (speech) m_speechInstalled = m_speechChecked.get_future();
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
}

void StartupPrefetch::waitForFonts() {
    if (m_fonts.valid()) m_fonts.get();
}

std::optional<bool> StartupPrefetch::takeSpeechInstalled() {
    if (!m_speechInstalled.valid()) return std::nullopt;
    return m_speechInstalled.get();
}
