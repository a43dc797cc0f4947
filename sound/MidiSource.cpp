#include "sound/MidiSource.h"

#include "sound/MidiFile.h"
#include "sound/SoundFont.h"

#include <fluidsynth.h>

namespace {

constexpr int BlockFrames = 1024;
// Notes still sounding at the last event are released and allowed this long to fade.
constexpr int ReleaseMs = 1000;

} // namespace

std::unique_ptr<MidiSource> MidiSource::open(const QByteArray& smf, int rate,
                                             std::shared_ptr<SoundFont> font, long long startMs,
                                             SourceError* error) {
    SourceError ignored;
    SourceError& why = error ? *error : ignored;
    why = SourceError::NotSound;
    if (!font || smf.isEmpty()) return nullptr;

    std::unique_ptr<MidiSource> source(new MidiSource(std::move(font)));
    source->m_rate = rate;
    {
        std::lock_guard lock(source->m_font->mutex());
        source->m_synth = source->m_font->takeSynth(rate);
        if (!source->m_synth) return nullptr;
        source->m_player = new_fluid_player(source->m_synth);
        // The player keeps its own copy of the file.
        if (!source->m_player ||
            fluid_player_add_mem(source->m_player, smf.constData(), std::size_t(smf.size())) !=
                FLUID_OK ||
            fluid_player_play(source->m_player) != FLUID_OK)
            return nullptr;
    }
    // The player reads the file when the first block is rendered; a file whose tracks it
    // rejected never gets a tick count.
    if (!source->prime()) return nullptr;
    std::lock_guard lock(source->m_font->mutex());
    const int totalTicks = fluid_player_get_total_ticks(source->m_player);
    if (totalTicks <= 0) return nullptr;
    if (startMs > 0) {
        const double ticks =
            double(startMs) *
            MidiFile::ticksPerMs(smf, fluid_player_get_midi_tempo(source->m_player));
        if (ticks > totalTicks) {
            why = SourceError::PastEnd;
            return nullptr;
        }
        if (fluid_player_seek(source->m_player, int(ticks)) != FLUID_OK) return nullptr;
        source->discardPending();
    }
    why = SourceError::None;
    return source;
}

MidiSource::~MidiSource() {
    std::lock_guard lock(m_font->mutex());
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
    }
    m_font->releaseSynth(m_synth);
}

bool MidiSource::produce(std::vector<float>& out) {
    std::lock_guard lock(m_font->mutex());
    if (m_releasing && (m_releaseLeft <= 0 || fluid_synth_get_active_voice_count(m_synth) == 0))
        return false;
    const std::size_t at = out.size();
    out.resize(at + BlockFrames * 2);
    float* block = out.data() + at;
    fluid_synth_write_float(m_synth, BlockFrames, block, 0, 2, block, 1, 2);
    if (m_releasing) {
        m_releaseLeft -= BlockFrames;
        return true;
    }
    // The player reports "playing" until every voice has died away, which can be long after
    // the last event; the tick count says when the tune itself is over.
    const int total = fluid_player_get_total_ticks(m_player);
    const bool tuneOver = fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING ||
                          (total > 0 && fluid_player_get_current_tick(m_player) >= total);
    if (tuneOver) {
        fluid_synth_all_notes_off(m_synth, -1);
        m_releasing = true;
        m_releaseLeft = (long long)m_rate * ReleaseMs / 1000;
    }
    return true;
}
