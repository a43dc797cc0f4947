#include "sound/AudioEngine.h"

#include "sound/NullAudioEngine.h"
#include "sound/SdlAudioEngine.h"

#include <SDL.h>
#include <cstdio>

std::unique_ptr<AudioEngine> AudioEngine::create() {
    if (auto sdl = SdlAudioEngine::open()) return sdl;
    std::fprintf(stderr, "K41: sound output cannot start (%s); sounds are silent\n",
                 SDL_GetError());
    return std::make_unique<NullAudioEngine>();
}
