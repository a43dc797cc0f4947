#include "sound/SdlAudioEngine.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Holds the device lock for a scope so the callback never sees a voice half changed.
class DeviceLock {
  public:
    explicit DeviceLock(SDL_AudioDeviceID device) : m_device(device) {
        SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock() { SDL_UnlockAudioDevice(m_device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

  private:
    SDL_AudioDeviceID m_device;
};

SDL_AudioDeviceID openDevice(SDL_AudioSpec& want, SDL_AudioSpec& have) {
    // Any rate the device prefers is fine: the decoders resample to it.
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

SdlAudioEngine::Voice* SdlAudioEngine::find(const QString& name) {
    const auto it = std::find_if(m_voices.begin(), m_voices.end(),
                                 [&](const Voice& v) { return v.name == name; });
    return it == m_voices.end() ? nullptr : &*it;
}

void SdlAudioEngine::play(const QString& voice, std::shared_ptr<const PcmBuffer> pcm,
                          std::size_t startFrame) {
    std::shared_ptr<const PcmBuffer> previous;
    {
        DeviceLock lock(m_device);
        Voice* v = find(voice);
        if (!v) {
            m_voices.push_back(Voice{voice, nullptr, 0});
            v = &m_voices.back();
        }
        previous = std::exchange(v->pcm, std::move(pcm));
        v->position = startFrame;
    }
    // `previous` is freed here, outside the lock, so the callback never waits on it.
}

void SdlAudioEngine::stop(const QString& voice) {
    std::shared_ptr<const PcmBuffer> previous;
    {
        DeviceLock lock(m_device);
        if (Voice* v = find(voice)) previous = std::exchange(v->pcm, nullptr);
    }
}

bool SdlAudioEngine::isPlaying(const QString& voice) const {
    DeviceLock lock(m_device);
    const auto it = std::find_if(m_voices.begin(), m_voices.end(),
                                 [&](const Voice& v) { return v.name == voice; });
    if (it == m_voices.end() || !it->pcm) return false;
    return it->position < it->pcm->frames() || std::chrono::steady_clock::now() < it->endsAt;
}

void SdlAudioEngine::callback(void* self, unsigned char* stream, int bytes) {
    static_cast<SdlAudioEngine*>(self)->mix(
        reinterpret_cast<float*>(stream), std::size_t(bytes) / sizeof(float) / PcmBuffer::Channels);
}

void SdlAudioEngine::mix(float* out, std::size_t frames) {
    std::fill(out, out + frames * PcmBuffer::Channels, 0.0f);
    for (Voice& v : m_voices) {
        if (!v.pcm || v.position >= v.pcm->frames()) continue;
        const std::size_t n = std::min(frames, v.pcm->frames() - v.position);
        const float* src = v.pcm->samples.data() + v.position * PcmBuffer::Channels;
        for (std::size_t i = 0; i < n * PcmBuffer::Channels; ++i)
            out[i] += src[i];
        v.position += n;
        // The buffer starts playing about now; the voice has been heard once its last frame
        // in the buffer has played.
        if (v.position == v.pcm->frames())
            v.endsAt = std::chrono::steady_clock::now() +
                       std::chrono::microseconds(qint64(n) * 1000000 / m_rate);
    }
    for (std::size_t i = 0; i < frames * PcmBuffer::Channels; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}
