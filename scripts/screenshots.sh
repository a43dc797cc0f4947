#!/usr/bin/env bash
# Renders the README's and the user guide's screenshots with the program itself (offscreen):
# the board at start, board and panel after "系統 1 リセット" (backlight OFF), a long "次は"
# stop name scrolling, the lit backlight states ON1 and ON2 on route 1, the sample user panels,
# and the guide's panel faces, display clear and late-night fare.
# K41_BUILD_DIR=build-test scripts/screenshots.sh renders with an existing build instead of
# configuring and building ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -n ${K41_BUILD_DIR:-} ]]; then
  build=$K41_BUILD_DIR
  cmake --build "$build" -j2 --target k41shot k41example_settings
else
  build=build
  scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK41_BUILD_TESTS=OFF -DK41_BUILD_BENCH=OFF
fi
out=docs/screenshots
mkdir -p "$out"
settings=$build/samples/K41.in4
panels=$build/samples/K41-panels.in4
shot=$build/tools/k41shot
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
"$shot" --board-only "$out/board.png" "$settings"
"$shot" "$out/route1.png" "$settings" 1 5 300
"$shot" --board-only "$out/scroll.png" "$settings" 1 7 2200
"$shot" --backlight 1 "$out/backlight-on1.png" "$settings" 1 5 300
"$shot" --backlight 2 "$out/backlight-on2.png" "$settings" 1 5 300
"$shot" --board-only --backlight 1 "$out/user-panel-on1.png" "$panels" 1 5 300
"$shot" --board-only --backlight 2 "$out/user-panel-on2.png" "$panels" 1 5 300
"$shot" "$out/guide-start.png" "$settings"
"$shot" --dblclick 'Frame1(1)' "$out/guide-dial.png" "$settings"
"$shot" --click Check1 "$out/guide-clear.png" "$settings" 1 2 300
"$shot" --click Check2 --click 'Command2(1)' "$out/guide-night.png" "$settings" 1 4 300
