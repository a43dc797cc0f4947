#include "sound/MidiRenderer.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cstdio>
#include <fluidsynth.h>
#include <mutex>

namespace {

// FluidSynth reports a damaged file on stderr by itself; the player stays silent instead.
void quietFluidLogs() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

constexpr int BlockFrames = 512;
// Notes still sounding at the last event are released and allowed this long to fade.
constexpr int ReleaseMs = 1000;
// Standard MIDI Files are small; a bigger file is not one.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

} // namespace

MidiRenderer::MidiRenderer(int rate) : m_rate(rate) {}

MidiRenderer::~MidiRenderer() {
    if (m_synth) delete_fluid_synth(m_synth);
    if (m_settings) delete_fluid_settings(m_settings);
}

QString MidiRenderer::soundFontPath() {
    for (const char* candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/soundfonts/default.sf2"}) {
        const QString path = QString::fromLatin1(candidate);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

bool MidiRenderer::ensureSynth() {
    if (m_synth) return true;
    if (m_failed) return false;
    m_failed = true; // until the synth is ready: a missing SoundFont is looked for once
    quietFluidLogs();
    const QString font = soundFontPath();
    if (font.isEmpty()) {
        std::fprintf(stderr, "K41: no General MIDI SoundFont found; MIDI sounds are silent\n");
        return false;
    }
    m_settings = new_fluid_settings();
    if (!m_settings) return false;
    fluid_settings_setnum(m_settings, "synth.sample-rate", double(m_rate));
    fluid_settings_setstr(m_settings, "player.timing-source", "sample");
    fluid_settings_setint(m_settings, "synth.lock-memory", 0);
    // FluidSynth's default gain leaves a General MIDI tune far quieter than the Wave sounds
    // beside it.
    fluid_settings_setnum(m_settings, "synth.gain", 0.5);
    m_synth = new_fluid_synth(m_settings);
    if (!m_synth) return false;
    if (fluid_synth_sfload(m_synth, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
        std::fprintf(stderr, "K41: the SoundFont %s cannot be loaded; MIDI sounds are silent\n",
                     qPrintable(font));
        delete_fluid_synth(m_synth);
        m_synth = nullptr;
        return false;
    }
    m_failed = false;
    return true;
}

std::shared_ptr<const PcmBuffer> MidiRenderer::render(const QString& path) {
    QByteArray data;
    try {
        data = FileReader::read(path, MaxFileBytes + 1);
    } catch (const K41Error&) {
        return nullptr;
    }
    if (data.size() > MaxFileBytes) return nullptr;
    if (!data.startsWith("MThd")) return nullptr;
    if (!ensureSynth()) return nullptr;

    fluid_player_t* player = new_fluid_player(m_synth);
    if (!player) return nullptr;
    const auto cleanup = qScopeGuard([this, player] {
        fluid_player_stop(player);
        delete_fluid_player(player);
        // The next tune starts from default programs and controllers, with no voice left.
        fluid_synth_system_reset(m_synth);
    });
    if (fluid_player_add_mem(player, data.constData(), std::size_t(data.size())) != FLUID_OK ||
        fluid_player_play(player) != FLUID_OK)
        return nullptr;

    auto pcm = std::make_shared<PcmBuffer>();
    const std::size_t maxFrames = std::size_t(m_rate) * MaxSoundSeconds;
    float block[BlockFrames * PcmBuffer::Channels];
    auto renderBlock = [&] {
        fluid_synth_write_float(m_synth, BlockFrames, block, 0, 2, block, 1, 2);
        pcm->samples.insert(pcm->samples.end(), std::begin(block), std::end(block));
    };

    // The player reports "playing" until every voice has died away, which can be long after
    // the last event; the tick count says when the tune itself is over.
    bool reachedEnd = false;
    while (pcm->frames() < maxFrames && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
        renderBlock();
        const int total = fluid_player_get_total_ticks(player);
        if (total > 0 && fluid_player_get_current_tick(player) >= total) {
            reachedEnd = true;
            break;
        }
    }
    // A file whose tracks FluidSynth rejected never gets a tick count.
    if (!reachedEnd && fluid_player_get_total_ticks(player) <= 0) return nullptr;

    fluid_player_stop(player);
    fluid_synth_all_notes_off(m_synth, -1);
    const std::size_t releaseEnd =
        std::min(maxFrames, pcm->frames() + std::size_t(m_rate) * ReleaseMs / 1000);
    while (pcm->frames() < releaseEnd && fluid_synth_get_active_voice_count(m_synth) > 0)
        renderBlock();
    if (pcm->empty()) return nullptr;
    return pcm;
}
