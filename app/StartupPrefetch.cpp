#include "app/StartupPrefetch.h"

#include "platform/Fonts.h"
#include "sound/EspeakVoice.h"

StartupPrefetch::StartupPrefetch(bool speech) : m_fonts(m_fontsFound.get_future()) {
    m_thread = std::async(std::launch::async, [this, findFonts = Fonts::finder(), speech] {
        try {
            findFonts();
            m_fontsFound.set_value();
        } catch (...) {
            m_fontsFound.set_exception(std::current_exception());
        }
        // Only opens the library: the check itself stays where the speech is made.
        if (speech) EspeakVoice::preload();
    });
}

StartupPrefetch::~StartupPrefetch() {
    if (m_thread.valid()) m_thread.wait();
}

void StartupPrefetch::waitForFonts() {
    if (m_fonts.valid()) m_fonts.get();
}
