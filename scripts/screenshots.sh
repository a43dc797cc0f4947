#!/usr/bin/env bash
# Renders the README's screenshots with the program itself (offscreen): the board at start,
# board and panel after "系統 1 リセット", and a long "次は" stop name scrolling.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK41_BUILD_TESTS=OFF -DK41_BUILD_BENCH=OFF
out=docs/screenshots
mkdir -p "$out"
settings=build/samples/K41.in4
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
build/tools/k41shot --board-only "$out/board.png" "$settings"
build/tools/k41shot "$out/route1.png" "$settings" 1 5 300
build/tools/k41shot --board-only "$out/scroll.png" "$settings" 1 7 2200
