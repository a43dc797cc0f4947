#include "sound/SdlAudioEngine.h"

#include "sound/PcmBuffer.h"

#include <SDL.h>

#include <cstdio>

namespace {

SDL_AudioDeviceID openDevice(SDL_AudioSpec& want, SDL_AudioSpec& have) {
    // Any rate the device prefers is fine: the sources are made at the device's rate.
    return SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
}

} // namespace

std::unique_ptr<SdlAudioEngine> SdlAudioEngine::open() {
    // SDL's own SIGINT and SIGTERM handlers only queue an SDL quit event that nothing reads,
    // so Ctrl+C and kill would be ignored once a sound had played; the program handles them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    std::unique_ptr<SdlAudioEngine> engine(new SdlAudioEngine);

    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = PcmBuffer::Channels;
    want.samples = BufferFrames;
    want.callback = &SdlAudioEngine::callback;
    want.userdata = engine.get();
    SDL_AudioSpec have{};

    SDL_AudioDeviceID device = openDevice(want, have);
    if (device == 0) {
        // SDL does not fall back by itself when the driver starts but no device opens
        // (a machine without a sound card): restart on the dummy driver, silently paced.
        std::fprintf(stderr, "K41: no sound device could be opened (%s); sounds are silent\n",
                     SDL_GetError());
        SDL_AudioQuit();
        if (SDL_AudioInit("dummy") == 0) device = openDevice(want, have);
    }
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    // The device starts paused, so the callback cannot run before these are set.
    engine->m_device = device;
    engine->m_rate = have.freq;
    engine->m_mixer = std::make_unique<Mixer>(have.freq);
    SDL_PauseAudioDevice(device, 0);
    return engine;
}

SdlAudioEngine::~SdlAudioEngine() {
    if (m_device == 0) return;
    SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QString SdlAudioEngine::driverName() const {
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? QString::fromLatin1(name) : QString();
}

void SdlAudioEngine::play(const QString& voice, std::unique_ptr<AudioSource> source) {
    m_mixer->play(voice, std::move(source));
}

void SdlAudioEngine::stop(const QString& voice) {
    m_mixer->stop(voice);
}

bool SdlAudioEngine::isPlaying(const QString& voice) const {
    return m_mixer->isPlaying(voice);
}

bool SdlAudioEngine::stalled() const {
    return m_mixer->idleFor(StallMs);
}

void SdlAudioEngine::callback(void* self, unsigned char* stream, int bytes) {
    static_cast<SdlAudioEngine*>(self)->m_mixer->mix(
        reinterpret_cast<float*>(stream), std::size_t(bytes) / sizeof(float) / PcmBuffer::Channels);
}
