// The sound and speech libraries, opened when first used (see LazyLibrary): SDL's audio,
// libsndfile's Wave reading, espeak-ng's voice and MeCab's readings. Every function the
// program calls is forwarded here; the library's header checks each declaration. A function
// not forwarded yet shows as an undefined reference when linking: add it here.
#include "platform/core/LazyLibrary.h"

#include <SDL.h>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <mecab.h>
#include <sndfile.h>

namespace {
LazyLibrary sdlLibrary(K41_SDL2_SONAME);
LazyLibrary sndfileLibrary(K41_SNDFILE_SONAME);
LazyLibrary espeakLibrary(K41_ESPEAKNG_SONAME);
LazyLibrary mecabLibrary(K41_MECAB_SONAME);
} // namespace

K41_LAZY_FORWARD(sdlLibrary, int, SDL_AudioInit, (const char* driver), (driver))
K41_LAZY_FORWARD(sdlLibrary, void, SDL_AudioQuit, (void), ())
K41_LAZY_FORWARD(sdlLibrary, int, SDL_AudioStreamAvailable, (SDL_AudioStream * s), (s))
K41_LAZY_FORWARD(sdlLibrary, int, SDL_AudioStreamFlush, (SDL_AudioStream * s), (s))
K41_LAZY_FORWARD(sdlLibrary, int, SDL_AudioStreamGet, (SDL_AudioStream * s, void* buf, int len),
                 (s, buf, len))
K41_LAZY_FORWARD(sdlLibrary, int, SDL_AudioStreamPut,
                 (SDL_AudioStream * s, const void* buf, int len), (s, buf, len))
K41_LAZY_FORWARD(sdlLibrary, void, SDL_CloseAudioDevice, (SDL_AudioDeviceID dev), (dev))
K41_LAZY_FORWARD(sdlLibrary, void, SDL_FreeAudioStream, (SDL_AudioStream * s), (s))
K41_LAZY_FORWARD(sdlLibrary, const char*, SDL_GetCurrentAudioDriver, (void), ())
K41_LAZY_FORWARD(sdlLibrary, const char*, SDL_GetError, (void), ())
K41_LAZY_FORWARD(sdlLibrary, int, SDL_InitSubSystem, (Uint32 flags), (flags))
K41_LAZY_FORWARD(sdlLibrary, SDL_AudioStream*, SDL_NewAudioStream,
                 (const SDL_AudioFormat srcFormat, const Uint8 srcChannels, const int srcRate,
                  const SDL_AudioFormat dstFormat, const Uint8 dstChannels, const int dstRate),
                 (srcFormat, srcChannels, srcRate, dstFormat, dstChannels, dstRate))
K41_LAZY_FORWARD(sdlLibrary, SDL_AudioDeviceID, SDL_OpenAudioDevice,
                 (const char* device, int capture, const SDL_AudioSpec* desired,
                  SDL_AudioSpec* obtained, int allowedChanges),
                 (device, capture, desired, obtained, allowedChanges))
K41_LAZY_FORWARD(sdlLibrary, void, SDL_PauseAudioDevice, (SDL_AudioDeviceID dev, int pause),
                 (dev, pause))
K41_LAZY_FORWARD(sdlLibrary, void, SDL_QuitSubSystem, (Uint32 flags), (flags))
K41_LAZY_FORWARD(sdlLibrary, SDL_bool, SDL_SetHint, (const char* name, const char* value),
                 (name, value))

K41_LAZY_FORWARD(sndfileLibrary, int, sf_close, (SNDFILE * file), (file))
K41_LAZY_FORWARD(sndfileLibrary, SNDFILE*, sf_open_fd,
                 (int fd, int mode, SF_INFO* info, int closeFd), (fd, mode, info, closeFd))
K41_LAZY_FORWARD(sndfileLibrary, sf_count_t, sf_readf_float,
                 (SNDFILE * file, float* ptr, sf_count_t n), (file, ptr, n))
K41_LAZY_FORWARD(sndfileLibrary, sf_count_t, sf_seek,
                 (SNDFILE * file, sf_count_t frames, int whence), (file, frames, whence))

K41_LAZY_FORWARD(espeakLibrary, const char*, espeak_Info, (const char** path), (path))
K41_LAZY_FORWARD(espeakLibrary, void, espeak_SetSynthCallback, (t_espeak_callback * callback),
                 (callback))
K41_LAZY_FORWARD(espeakLibrary, int, espeak_ng_GetSampleRate, (void), ())
K41_LAZY_FORWARD(espeakLibrary, espeak_ng_STATUS, espeak_ng_Initialize,
                 (espeak_ng_ERROR_CONTEXT * c), (c))
K41_LAZY_FORWARD(espeakLibrary, espeak_ng_STATUS, espeak_ng_InitializeOutput,
                 (espeak_ng_OUTPUT_MODE mode, int bufferLength, const char* device),
                 (mode, bufferLength, device))
K41_LAZY_FORWARD(espeakLibrary, void, espeak_ng_InitializePath, (const char* path), (path))
K41_LAZY_FORWARD(espeakLibrary, espeak_ng_STATUS, espeak_ng_SetParameter,
                 (espeak_PARAMETER parameter, int value, int relative),
                 (parameter, value, relative))
K41_LAZY_FORWARD(espeakLibrary, espeak_ng_STATUS, espeak_ng_SetVoiceByName, (const char* name),
                 (name))
K41_LAZY_FORWARD(espeakLibrary, const char*, espeak_TextToPhonemes,
                 (const void** textPointer, int textMode, int phonemeMode),
                 (textPointer, textMode, phonemeMode))
K41_LAZY_FORWARD(espeakLibrary, espeak_ng_STATUS, espeak_ng_Synthesize,
                 (const void* text, size_t size, unsigned int position,
                  espeak_POSITION_TYPE positionType, unsigned int endPosition, unsigned int flags,
                  unsigned int* uniqueIdentifier, void* userData),
                 (text, size, position, positionType, endPosition, flags, uniqueIdentifier,
                  userData))

K41_LAZY_FORWARD(mecabLibrary, void, mecab_destroy, (mecab_t * tagger), (tagger))
K41_LAZY_FORWARD(mecabLibrary, void, mecab_lattice_destroy, (mecab_lattice_t * lattice), (lattice))
K41_LAZY_FORWARD(mecabLibrary, mecab_node_t*, mecab_lattice_get_begin_nodes,
                 (mecab_lattice_t * lattice, size_t pos), (lattice, pos))
K41_LAZY_FORWARD(mecabLibrary, const char*, mecab_lattice_get_sentence, (mecab_lattice_t * lattice),
                 (lattice))
K41_LAZY_FORWARD(mecabLibrary, mecab_node_t*, mecab_lattice_get_bos_node,
                 (mecab_lattice_t * lattice), (lattice))
K41_LAZY_FORWARD(mecabLibrary, void, mecab_lattice_set_sentence2,
                 (mecab_lattice_t * lattice, const char* sentence, size_t len),
                 (lattice, sentence, len))
K41_LAZY_FORWARD(mecabLibrary, void, mecab_lattice_set_boundary_constraint,
                 (mecab_lattice_t * lattice, size_t pos, int boundaryType),
                 (lattice, pos, boundaryType))
K41_LAZY_FORWARD(mecabLibrary, void, mecab_model_destroy, (mecab_model_t * model), (model))
K41_LAZY_FORWARD(mecabLibrary, const mecab_dictionary_info_t*, mecab_model_dictionary_info,
                 (mecab_model_t * model), (model))
K41_LAZY_FORWARD(mecabLibrary, mecab_model_t*, mecab_model_new, (int argc, char** argv),
                 (argc, argv))
K41_LAZY_FORWARD(mecabLibrary, mecab_lattice_t*, mecab_model_new_lattice, (mecab_model_t * model),
                 (model))
K41_LAZY_FORWARD(mecabLibrary, mecab_t*, mecab_model_new_tagger, (mecab_model_t * model), (model))
K41_LAZY_FORWARD(mecabLibrary, int, mecab_parse_lattice,
                 (mecab_t * tagger, mecab_lattice_t* lattice), (tagger, lattice))
