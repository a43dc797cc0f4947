#pragma once
// The General MIDI SoundFont, loaded once per process on a thread of its own and shared by
// every MIDI sound. Each sound has its own synthesiser; all of them draw on this one font.
#include <QString>
#include <future>
#include <memory>
#include <mutex>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_sfont_t;

class SoundFont {
  public:
    ~SoundFont();
    SoundFont(const SoundFont&) = delete;
    SoundFont& operator=(const SoundFont&) = delete;

    // Starts loading the font in the background; later calls do nothing. Called when a MIDI
    // tune is among the chosen sounds, so the first MIDI sound finds the font ready.
    static void preload();
    // True once the load has ended, with or without a font.
    static bool loaded();
    // The font, waiting for the load (and starting it, without preload()). nullptr when no
    // General MIDI SoundFont is installed or it cannot be loaded (said once on stderr).
    static std::shared_ptr<SoundFont> shared();
    // The General MIDI SoundFont file used, or empty when none is installed.
    static QString path();

    // FluidSynth counts a font's users without atomics, so every call on a synthesiser that
    // uses this font (making it, playing it, deleting it) is made with this held.
    std::mutex& mutex() { return m_mutex; }
    // A new synthesiser at `rate` frames a second playing from this font; nullptr when none
    // can be made. Usually one made beforehand in the background: making one can take longer
    // than a click may (its memory is new to the process). Call with mutex() held.
    _fluid_synth_t* takeSynth(int rate);
    // Deletes a synthesiser from takeSynth() (null is ignored). Call with mutex() held.
    void releaseSynth(_fluid_synth_t* synth);
    // Waits until the spare synthesiser being made in the background is ready, so that all
    // the work a sound's start set going has ended (a run that counts allocations by sound).
    void waitForSpare() {
        if (m_spare.valid()) m_spare.wait();
    }

  private:
    // The rate the output asks its device for, so the spare made at load time usually fits.
    static constexpr int UsualRate = 44100;

    SoundFont() = default;
    static std::shared_ptr<SoundFont> load();
    // Starts making the next spare synthesiser on a thread of its own.
    void makeSpare(int rate);
    // A synthesiser at `rate` not yet given the font.
    _fluid_synth_t* makeSynth(int rate);
    // makeSynth() with the font added. Call with mutex() held.
    _fluid_synth_t* newSynth(int rate);

    std::mutex m_mutex;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_holder = nullptr; // owns the font; never plays
    _fluid_sfont_t* m_font = nullptr;
    // The sample rate is a setting read when a synthesiser is made: one is made at a time.
    std::mutex m_makeMutex;
    // The next synthesiser, made ahead. Always a new one: a used one, even reset, would not
    // sound the same (reverb and chorus keep their phase).
    std::future<_fluid_synth_t*> m_spare;
    int m_spareRate = 0;
};
