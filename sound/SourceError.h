#pragma once
// Why a sound file could not be made into a source.
enum class SourceError {
    None,
    NotSound, // missing, unreadable, not a format the decoder knows, or without a frame
    PastEnd,  // the requested start lies beyond the sound's end
};
