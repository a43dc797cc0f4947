#pragma once
// espeak-ng, the synthesiser behind the announcements. Its state is global to the process, so
// every call goes through here, one at a time, from any thread.
#include "sound/VoiceSettings.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace EspeakVoice {

// Starts espeak-ng (once per process) and checks that `voice` exists. False when espeak-ng's
// data or the voice is not installed.
bool open(const QByteArray& voice);

// Frames per second of what synthesize() hands over (mono).
int sampleRate();

// Speaks `text` with `voice` and `settings`, handing the samples (mono, 16-bit, sampleRate())
// to `sink` block by block as they are made. `sink` returns false to stop early. Returns false
// when synthesis failed (not when it was stopped).
bool synthesize(const QString& text, const QByteArray& voice, const VoiceSettings& settings,
                const std::function<bool(const short* samples, int count)>& sink);

} // namespace EspeakVoice
