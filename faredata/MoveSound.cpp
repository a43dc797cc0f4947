#include "faredata/MoveSound.h"

#include "faredata/FareRow.h"
#include "settings/Settings.h"

namespace MoveSound {

QString choose(const Settings& settings, const FareRow& row) {
    if (settings.SoundMoveAlways) return settings.SoundMoveFile;
    if (!settings.SoundMoveByColumn) return {};
    const int column = settings.SoundMoveColumn + 1;
    if (column < 1 || column > FareRow::FareCount) return {};
    switch (row.Fare(column)) {
    case 1:
        return settings.SoundMove1;
    case 2:
        return settings.SoundMove2;
    case 3:
        return settings.SoundMove3;
    default:
        return {};
    }
}

} // namespace MoveSound
