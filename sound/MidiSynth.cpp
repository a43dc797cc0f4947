#include "sound/MidiSynth.h"

#include "platform/core/BackendModule.h"
#include "platform/core/K41Error.h"

#include <atomic>
#include <cstdio>

MidiSynth* MidiSynth::instance() {
    static std::atomic<bool> told{false};
    try {
        using Make = MidiSynth* (*)();
        // The module keeps one synthesiser for the whole process.
        const auto make = reinterpret_cast<Make>(
            BackendModule::entry("k41midi", "k41_midi_synth", QStringLiteral("MIDI の音")));
        return make();
    } catch (const K41Error& e) {
        // Like a missing SoundFont: the tunes are silent, everything else plays on.
        if (!told.exchange(true))
            std::fprintf(stderr, "K41: %s; MIDI sounds are silent\n", qPrintable(e.description()));
        return nullptr;
    }
}

void MidiSynth::preloadFont() {
    if (MidiSynth* synth = instance()) synth->preload();
}
