#pragma once
// Work the first frame waits for that needs no window, done on a thread of its own while the
// GUI thread decodes the icon and builds the windows: finding the installed fonts, then
// opening the speech synthesiser's library (which brings a score of others) for the check the
// tape group makes at start. Both would otherwise run on the GUI thread, one after the other.
#include <functional>
#include <future>

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

  private:
    std::promise<void> m_fontsFound;
    std::future<void> m_fonts;
    std::future<void> m_thread;
};
