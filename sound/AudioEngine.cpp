#include "sound/AudioEngine.h"

#include "sound/NullAudioEngine.h"
#include "sound/SdlAudioEngine.h"

#include <SDL.h>
#include <cstdio>

namespace {
std::function<std::unique_ptr<AudioEngine>()>& processFactory() {
    static std::function<std::unique_ptr<AudioEngine>()> factory;
    return factory;
}
} // namespace

void AudioEngine::setFactory(std::function<std::unique_ptr<AudioEngine>()> factory) {
    processFactory() = std::move(factory);
}

std::unique_ptr<AudioEngine> AudioEngine::create() {
    if (processFactory()) return processFactory()();
    if (auto sdl = SdlAudioEngine::open()) return sdl;
    std::fprintf(stderr, "K41: sound output cannot start (%s); sounds are silent\n",
                 SDL_GetError());
    return std::make_unique<NullAudioEngine>();
}
