#!/usr/bin/env bash
# Renders the README's screenshots with the program itself (offscreen): the board at start,
# board and panel after "系統 1 リセット", a long "次は" stop name scrolling, and the six pages
# of the options dialog.
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

# The options dialog on settings that show every control: paths as a user would have them,
# the picture frames and the ticket preview switched on, one information digit in use.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/options.json" <<'JSON'
{
  "FareDataDir": "/home/k41/バス/運賃データ",
  "TapeDataDir": "/home/k41/バス/放送データ",
  "PanelAssignAuto": 0, "PanelAssignEach": -1,
  "PanelOn2Builtin": 0, "PanelOn2User": -1, "PanelOn2File": "/home/k41/バス/パネル/on2.bmp",
  "InfoOrderUse": 1, "InfoOrderPos": 23,
  "ChimeiFontMode": 0, "TsugiwaMode": 1, "TsugiwaFontMode": 0,
  "SoundKeitouSet": "/home/k41/バス/音/tune.mid",
  "SoundReset": "/home/k41/バス/音/click.wav",
  "SoundMoveFile": "/home/k41/バス/音/fare.wav",
  "SoundPreFile": "/home/k41/バス/音/chime.wav",
  "UseSeiriPrev": 1,
  "SeiriDateValue": "2025/03/07"
}
JSON
build/tools/k41tool in4 build "$work/options.json" "$work/options.in4"
pages=(folders panel digits stopname sound preview)
for i in 0 1 2 3 4 5; do
  build/tools/k41shot --options "$i" "$out/options-$i-${pages[$i]}.png" "$work/options.in4"
done
