#pragma once
// The sound that data forward and back play: one file always, or one of three files chosen by
// a fare column of the row arrived at (values 1, 2, 3; anything else is silent).
#include <QString>

struct FareRow;
struct Settings;

namespace MoveSound {

// The path to play for arriving at `row`; empty for silence.
QString choose(const Settings& settings, const FareRow& row);

} // namespace MoveSound
