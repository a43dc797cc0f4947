#pragma once
// The MIDI synthesiser as the sound player sees it. FluidSynth and the General MIDI SoundFont
// live in the module k41midi, loaded only when a MIDI tune is chosen or played.
#include "sound/AudioSource.h"
#include "sound/SourceError.h"

#include <QByteArray>
#include <memory>

class MidiSynth {
  public:
    virtual ~MidiSynth() = default;

    // Starts loading the SoundFont in the background; later calls do nothing.
    virtual void preload() = 0;
    // True once the SoundFont's load has ended, with or without a font.
    virtual bool loaded() = 0;
    // Waits for the load; true when a font is there to play with.
    virtual bool ready() = 0;
    // Plays the Standard MIDI File `smf` at `rate` from `startMs`; nullptr when it cannot be
    // played (`error` says why).
    virtual std::unique_ptr<AudioSource> open(const QByteArray& smf, int rate, long long startMs,
                                              SourceError* error) = 0;

    // The process's synthesiser from its module; nullptr when the module is missing or cannot
    // be loaded (said once on stderr, naming the file): MIDI sounds are then silent.
    static MidiSynth* instance();
    // instance()->preload(), when there is one.
    static void preloadFont();
};
