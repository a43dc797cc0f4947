#pragma once
// Renders a Standard MIDI File to PCM with FluidSynth and a General MIDI SoundFont, offline:
// no audio driver, the player timed by the samples rendered.
#include "sound/PcmBuffer.h"

#include <QString>
#include <memory>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class MidiRenderer {
  public:
    // Renders at `rate` frames per second. The SoundFont is loaded on the first render.
    explicit MidiRenderer(int rate);
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer&) = delete;
    MidiRenderer& operator=(const MidiRenderer&) = delete;

    // The tune in `path` from its start to its last event, plus the release of the notes
    // still sounding, at most MaxSoundSeconds long. nullptr when the file is not a MIDI
    // file FluidSynth can play or no SoundFont is installed.
    std::shared_ptr<const PcmBuffer> render(const QString& path);

    // The General MIDI SoundFont used, or empty when none is installed.
    static QString soundFontPath();

  private:
    bool ensureSynth();

    int m_rate;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
    bool m_failed = false;
};
