#pragma once
// What a MIDI sound file holds before the synthesiser sees it: a Standard MIDI File, bare or
// in the RIFF "RMID" wrapper that the platform's sequencer plays under a .mid name.
#include <QByteArray>
#include <QString>

namespace MidiFile {

// Standard MIDI Files are small; a bigger file is not one. The synthesiser keeps every event
// of a tune in memory, several times the file's size.
inline constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

// The Standard MIDI File in the file at `path` (see standardMidi); empty when the file cannot
// be read, is larger than MaxFileBytes or holds no tune.
QByteArray read(const QString& path);

// The Standard MIDI File in `bytes` (the bytes themselves when they start with "MThd", the
// "data" chunk of an RMID file when that starts with "MThd") as the synthesiser can safely
// read it: the header cut to its six bytes and the tracks it counts, chunks of other kinds
// left out; a well-formed file comes back unchanged. Empty when there is no such file, when
// the header is unusable (a length past the file's end, an unknown format, no track or no
// division), when a counted track is missing, or when a track's events run over its end or
// cannot be told apart.
QByteArray standardMidi(const QByteArray& bytes);

// Ticks in a millisecond at the start of the tune in `smf` (a result of standardMidi), with
// `tempo` microseconds a beat; 0 when the header's division is unusable.
double ticksPerMs(const QByteArray& smf, int tempo);

} // namespace MidiFile
