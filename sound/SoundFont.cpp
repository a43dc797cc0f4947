#include "sound/SoundFont.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <fluidsynth.h>
#include <future>
#include <system_error>

namespace {

std::once_flag g_started;
std::shared_future<std::shared_ptr<SoundFont>> g_font;

} // namespace

void SoundFont::preload() {
    std::call_once(g_started, [] {
        try {
            g_font = std::async(std::launch::async, &SoundFont::load).share();
        } catch (const std::system_error&) {
            // No thread to spare: the first MIDI sound loads the font itself.
            g_font = std::async(std::launch::deferred, &SoundFont::load).share();
        }
    });
}

bool SoundFont::loaded() {
    preload();
    return g_font.wait_for(std::chrono::seconds(0)) != std::future_status::timeout;
}

std::shared_ptr<SoundFont> SoundFont::shared() {
    preload();
    return g_font.get();
}

QString SoundFont::path() {
    for (const char* candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/soundfonts/default.sf2"}) {
        const QString file = QString::fromLatin1(candidate);
        if (QFileInfo(file).isFile()) return file;
    }
    return {};
}

std::shared_ptr<SoundFont> SoundFont::load() {
    // FluidSynth reports a damaged file on stderr by itself; the player stays silent instead.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    const QString file = path();
    if (file.isEmpty()) {
        std::fprintf(stderr, "K41: no General MIDI SoundFont found; MIDI sounds are silent\n");
        return nullptr;
    }
    std::shared_ptr<SoundFont> font(new SoundFont);
    font->m_settings = new_fluid_settings();
    if (!font->m_settings) return nullptr;
    fluid_settings_setstr(font->m_settings, "player.timing-source", "sample");
    fluid_settings_setint(font->m_settings, "synth.lock-memory", 0);
    // FluidSynth's default gain leaves a General MIDI tune far quieter than the Wave sounds
    // beside it.
    fluid_settings_setnum(font->m_settings, "synth.gain", 0.5);
    font->m_holder = new_fluid_synth(font->m_settings);
    const int id = font->m_holder
                       ? fluid_synth_sfload(font->m_holder, QFile::encodeName(file).constData(), 0)
                       : FLUID_FAILED;
    font->m_font = id == FLUID_FAILED ? nullptr : fluid_synth_get_sfont_by_id(font->m_holder, id);
    if (!font->m_font) {
        std::fprintf(stderr, "K41: the SoundFont %s cannot be loaded; MIDI sounds are silent\n",
                     qPrintable(file));
        return nullptr;
    }
    // The first MIDI sound then finds its synthesiser ready too.
    font->makeSpare(UsualRate);
    return font;
}

SoundFont::~SoundFont() {
    if (m_spare.valid()) {
        fluid_synth_t* spare = m_spare.get();
        std::lock_guard lock(m_mutex);
        releaseSynth(spare);
    }
    if (m_holder) delete_fluid_synth(m_holder);
    if (m_settings) delete_fluid_settings(m_settings);
}

fluid_synth_t* SoundFont::takeSynth(int rate) {
    // A spare still being made is left to finish; this one is made here instead.
    if (m_spare.valid() && m_spare.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        const int spareRate = m_spareRate;
        fluid_synth_t* spare = m_spare.get();
        makeSpare(rate);
        if (spare && spareRate == rate) return spare;
        releaseSynth(spare);
    }
    return newSynth(rate);
}

void SoundFont::makeSpare(int rate) {
    m_spareRate = rate;
    try {
        m_spare = std::async(std::launch::async, [this, rate] {
            fluid_synth_t* synth = makeSynth(rate);
            std::lock_guard lock(m_mutex);
            if (synth && fluid_synth_add_sfont(synth, m_font) == FLUID_FAILED) {
                delete_fluid_synth(synth);
                return static_cast<fluid_synth_t*>(nullptr);
            }
            return synth;
        });
    } catch (const std::system_error&) {
        // No thread to spare: synthesisers are made when needed.
    }
}

fluid_synth_t* SoundFont::makeSynth(int rate) {
    std::lock_guard lock(m_makeMutex);
    // The rate is read when a synthesiser is made and never watched afterwards, so one
    // settings object serves synthesisers of any rate.
    if (fluid_settings_setnum(m_settings, "synth.sample-rate", double(rate)) != FLUID_OK)
        return nullptr;
    return new_fluid_synth(m_settings);
}

fluid_synth_t* SoundFont::newSynth(int rate) {
    fluid_synth_t* synth = makeSynth(rate);
    if (!synth) return nullptr;
    if (fluid_synth_add_sfont(synth, m_font) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        return nullptr;
    }
    return synth;
}

void SoundFont::releaseSynth(fluid_synth_t* synth) {
    if (!synth) return;
    // Taken back first: deleting a synthesiser deletes the fonts it holds.
    fluid_synth_remove_sfont(synth, m_font);
    delete_fluid_synth(synth);
}
