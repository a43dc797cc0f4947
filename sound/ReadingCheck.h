#pragma once
// What the voice settings dialog asks of the speech to let the user hear a name and correct
// its reading.
#include "sound/VoiceSettings.h"

#include <QString>

class ReadingCheck {
  public:
    virtual ~ReadingCheck() = default;
    // The katakana an announcement of `name` speaks now.
    virtual QString readingOf(const QString& name) = 0;
    // Speaks `kana` with `settings`.
    virtual void hear(const QString& kana, const VoiceSettings& settings) = 0;
    // The table file where a corrected reading is kept; empty while there is none (no route set).
    virtual QString tablePath() const = 0;
    // Keeps `reading` for `name` in that file and speaks it so from now on. Throws K41Error.
    virtual void keep(const QString& name, const QString& reading) = 0;
};
