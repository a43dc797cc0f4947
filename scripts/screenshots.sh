#!/usr/bin/env bash
# Renders the README's and the user guide's screenshots with the program itself (offscreen):
# the board at start, board and panel after "系統 1 リセット", a long "次は" stop name
# scrolling, and the guide's panel faces, display clear and late-night fare.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK41_BUILD_TESTS=OFF -DK41_BUILD_BENCH=OFF
out=docs/screenshots
mkdir -p "$out"
settings=build/samples/K41.in4
shot=build/tools/k41shot
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
$shot --board-only "$out/board.png" "$settings"
$shot "$out/route1.png" "$settings" 1 5 300
$shot --board-only "$out/scroll.png" "$settings" 1 7 2200
$shot "$out/guide-start.png" "$settings"
$shot --dblclick 'Frame1(1)' "$out/guide-dial.png" "$settings"
$shot --click Check1 "$out/guide-clear.png" "$settings" 1 2 300
$shot --click Check2 --click 'Command2(1)' "$out/guide-night.png" "$settings" 1 4 300
