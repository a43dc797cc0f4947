#pragma once
// A MIDI tune played by FluidSynth as the mixer asks for it: the player runs in the mixing
// path, timed by the frames rendered, on a synthesiser of its own that draws on the shared
// SoundFont. Memory stays at the synthesiser and the tune's events, whatever its length.
#include "sound/ChunkedSource.h"
#include "sound/SourceError.h"

#include <QByteArray>
#include <memory>

class SoundFont;
struct _fluid_player_t;
struct _fluid_synth_t;

class MidiSource : public ChunkedSource {
  public:
    // Plays the Standard MIDI File `smf` (see MidiFile::read) with `font` at `rate`: renders
    // its first block, starting `startMs` into the tune (counted at the tune's opening
    // tempo). nullptr when it is no tune FluidSynth can play or the start lies past its end
    // (`error` says which).
    static std::unique_ptr<MidiSource> open(const QByteArray& smf, int rate,
                                            std::shared_ptr<SoundFont> font, long long startMs = 0,
                                            SourceError* error = nullptr);
    ~MidiSource() override;

  protected:
    bool produce(std::vector<float>& out) override;

  private:
    explicit MidiSource(std::shared_ptr<SoundFont> font) : m_font(std::move(font)) {}

    std::shared_ptr<SoundFont> m_font;
    _fluid_synth_t* m_synth = nullptr;
    _fluid_player_t* m_player = nullptr;
    int m_rate = 0;
    bool m_releasing = false;
    long long m_releaseLeft = 0; // frames the notes still sounding at the end may ring on
};
