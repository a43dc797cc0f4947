#pragma once
// Work the first frame waits for that needs no window, done on a thread of its own while the
// GUI thread draws and builds the windows: finding the installed fonts, then opening the speech
// synthesiser's library (which brings a score of others) and making the check the tape group
// makes at start. They would otherwise run on the GUI thread, one after the other.
#include <functional>
#include <future>
#include <optional>

class StartupPrefetch {
  public:
    // Starts at once. `speech`: whether the start-up makes the Japanese speech, so its
    // synthesiser is wanted.
    explicit StartupPrefetch(bool speech);
    // Waits for the thread.
    ~StartupPrefetch();
    StartupPrefetch(const StartupPrefetch&) = delete;
    StartupPrefetch& operator=(const StartupPrefetch&) = delete;

    // Returns once the fonts are found: before anything lays out or draws text.
    void waitForFonts();

    // Whether the Japanese speech's dictionary and voice are installed, as asked on the
    // thread once its library is open; waits for the answer. Given once: the speech made at
    // start takes it, and any later one checks again. Empty without the Japanese speech.
    std::optional<bool> takeSpeechInstalled();

  private:
    std::promise<void> m_fontsFound;
    std::future<void> m_fonts;
    std::promise<bool> m_speechChecked;
    std::future<bool> m_speechInstalled;
    std::future<void> m_thread;
};
