#pragma once
// Small sound files written by the tests themselves: 16-bit PCM Wave and one-track MIDI.
#include <QByteArray>
#include <QString>
#include <functional>

namespace SoundFiles {

// A Wave of `frames` frames at `rate`; `sample(frame)` gives the value in [-1, 1], the
// same on every channel.
QByteArray wave(int rate, int channels, int frames, const std::function<double(int)>& sample);
// A constant level, which survives resampling and mixing unchanged and so is easy to find
// in the output.
QByteArray levelWave(double level, int ms, int rate = 44100, int channels = 1);

// A Standard MIDI File (format 0, 480 ticks a beat at 120 beats a minute, so 1 ms = 0.96
// ticks) playing `notes` one after another on a piano, each `noteMs` long.
QByteArray midiTune(const QList<int>& notes, int noteMs);

void write(const QString& path, const QByteArray& bytes);

} // namespace SoundFiles
