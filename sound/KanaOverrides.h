#pragma once
// Readings that the morphological dictionary gets wrong in a bus's announcements: phrases
// such as お降り (not オフリ), the person-方 (カタ, not ホー), destinations' 行き (ユキ), the sound
// change of 一丁目, and names of the stops of the sample town. Each entry's surface is matched
// against whole words of the analysed text (written as after NFKC normalisation).
#include <QString>
#include <vector>

struct KanaOverride {
    QString surface;      // one or more whole words, as written
    QString reading;      // its katakana reading
    QString partOfSpeech; // the first word's part of speech, or empty for any
};

namespace KanaOverrides {

const std::vector<KanaOverride>& table();

} // namespace KanaOverrides
