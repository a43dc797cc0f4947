#include "faredata/RouteState.h"

bool RouteState::stepBack() {
    if (CurStop <= 0) return false;
    --CurStop;
    return true;
}

bool RouteState::stepForward() {
    if (CurStop + 1 >= StopCount) return false;
    ++CurStop;
    return true;
}
