#pragma once
// The sound player: four channels "S1" to "S4". Starting a sound on a channel cuts what that
// channel played; channels play at the same time.
#include <QString>

namespace mdlSndAPI {

// Plays `path` on `channel`. Empty or missing path: returns at once, the channel goes on.
// sync non-zero: returns when the sound has played to its end (input held, windows painting),
// then pauses pauseMs.
void SndPlay(const QString& path, const QString& channel, qint16 sync, qint16 pauseMs);

// Closes the four channels.
void SndCloseAll();

// True when SndPlay plays `path` as a MIDI tune (by its extension, as the player picks).
bool IsMidiFile(const QString& path);

} // namespace mdlSndAPI
