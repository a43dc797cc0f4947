#pragma once
// The events of one MIDI track chunk, walked only to learn where they end.
#include <QByteArrayView>

namespace MidiTrack {

// Whether the events in `data` (a track chunk's contents) end at its end or at an "end of
// track" event before it, each event whole and of a kind a tune file may hold: channel
// messages, with running status only after one of them; system exclusive messages starting
// with F0; meta events. The synthesiser reads the next chunk where the last event ended, so a
// track that runs over its end, or that it would read differently, is one it can lose its
// place in.
bool endsInPlace(QByteArrayView data);

} // namespace MidiTrack
