#pragma once
// Small sound files written by the tests and benchmarks themselves: 16-bit PCM and float
// Wave, FLAC headers, one-track MIDI and its RMID wrapping.
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class AudioSource;

namespace SoundFiles {

// A Wave of `frames` frames at `rate`; `sample(frame)` gives the value in [-1, 1], the
// same on every channel.
QByteArray wave(int rate, int channels, int frames, const std::function<double(int)>& sample);
// A constant level, which survives resampling and mixing unchanged and so is easy to find
// in the output.
QByteArray levelWave(double level, int ms, int rate = 44100, int channels = 1);
// A 32-bit float Wave (mono) holding `samples` as they are, not-a-number included.
QByteArray floatWave(int rate, const std::vector<float>& samples);
// A FLAC stream of `bytes` bytes whose header declares `frames` frames of `channels` channels
// at `rate`, followed by no real audio.
QByteArray flacDeclaring(long long frames, int rate, int channels, int bytes);

// A Standard MIDI File (format 0, 480 ticks a beat at 120 beats a minute, so 1 ms = 0.96
// ticks) playing `notes` one after another on a piano, each `noteMs` long.
QByteArray midiTune(const QList<int>& notes, int noteMs);
// A tune of `seconds` seconds: half-second notes walking up and down two octaves.
QByteArray longTune(int seconds);
// `smf` in a RIFF "RMID" file, after a chunk the player must skip.
QByteArray rmid(const QByteArray& smf);

// Writes `bytes` to `path`, creating folders; ends the program when it cannot.
void write(const QString& path, const QByteArray& bytes);

// Everything `source` yields, read as the mixer would, at most `maxFrames` frames.
std::vector<float> drain(AudioSource& source, std::size_t maxFrames = 1 << 24);

} // namespace SoundFiles
