#pragma once
// espeak-ng, the synthesiser behind the announcements. Its state is global to the process, so
// every call goes through here, one at a time, from any thread.
#include "sound/VoiceSettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace EspeakVoice {

// Starts espeak-ng (once per process) and checks that `voice` exists. False when espeak-ng's
// data or the voice is not installed.
bool open(const QByteArray& voice);

// Whether espeak-ng's data and a voice file named `voice` are installed, without starting
// espeak-ng (which costs a few megabytes): a cheap check before open().
bool installed(const QByteArray& voice);

// Opens espeak-ng's library (and the libraries it needs) and finds its data folder, which is
// most of what the first installed() costs; meant for another thread while the program starts.
void preload();

// Frames per second of what synthesize() hands over (mono) for `voice`: the built-in voices
// speak at one rate, the MBROLA voices at their own.
int sampleRate(const QByteArray& voice);

// The Japanese voices that can speak here, built-in first: `builtIn` and those of
// Debian's MBROLA voices (mb-jp1, mb-jp2, mb-jp3) whose data is installed.
QList<QByteArray> japaneseVoices(const QByteArray& builtIn);

// The phonemes of `text` in the language of `voice`, in the International Phonetic Alphabet
// with spaces between words; empty when espeak-ng or the voice is missing. The voice that
// speaks is chosen again by the next synthesize(), so asking does not disturb it.
QString phonemes(const QString& text, const QByteArray& voice);

// Speaks `text` with `voice` and `settings`, handing the samples (mono, 16-bit, sampleRate(voice))
// to `sink` block by block as they are made. `sink` returns false to stop early. Returns false
// when synthesis failed (not when it was stopped).
bool synthesize(const QString& text, const QByteArray& voice, const VoiceSettings& settings,
                const std::function<bool(const short* samples, int count)>& sink);

} // namespace EspeakVoice
