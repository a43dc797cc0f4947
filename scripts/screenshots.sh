#!/usr/bin/env bash
# Renders the README's screenshots with the program itself (offscreen): the board at start,
# board and panel after "系統 1 リセット", a long "次は" stop name scrolling, and a ticket.
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
# The sample ticket plug-in's ticket, twice the preview's size.
build/tools/k41tool plugin render samples/plugins/yamabato.4SP "$out/ticket.png" \
  --stop 本町一丁目 --number 5 --route 12 --row 5 --date 03-07-2025 --time 08:05:09 --scale 2
