// The entry point of the MIDI module: FluidSynth's synthesiser over the shared SoundFont.
#include "sound/MidiSource.h"
#include "sound/MidiSynth.h"
#include "sound/SoundFont.h"

#include <QtGlobal>

namespace {

class FluidMidiSynth : public MidiSynth {
  public:
    void preload() override { SoundFont::preload(); }
    bool loaded() override { return SoundFont::loaded(); }
    bool ready() override { return SoundFont::shared() != nullptr; }
    std::unique_ptr<AudioSource> open(const QByteArray& smf, int rate, long long startMs,
                                      SourceError* error) override {
        return MidiSource::open(smf, rate, SoundFont::shared(), startMs, error);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT MidiSynth* k41_midi_synth() {
    static FluidMidiSynth synth;
    return &synth;
}
