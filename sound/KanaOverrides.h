#pragma once
// Readings that the morphological dictionary gets wrong in a bus's announcements: phrases
// such as お降り (not オフリ), the person-方 (カタ, not ホー) and destinations' 行き (ユキ), and
// the few common words it lacks (隧道, the tunnel). Each entry's surface is matched against
// whole words of the analysed text (written as after NFKC normalisation). Place names have no
// place here: a reading right in one town is wrong in the next (本町 is ホンマチ, ホンチョウ or
// モトマチ); they belong in the user's reading tables.
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
