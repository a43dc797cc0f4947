#!/usr/bin/env bash
# Renders the README's and the user guide's screenshots with the program itself (offscreen):
# the board at start, board and panel after "系統 1 リセット" (backlight OFF), a long "次は"
# stop name scrolling, the lit backlight states ON1 and ON2 on route 1, the sample user panels,
# the guide's panel faces, display clear and late-night fare, the six pages of the options
# dialog, a ticket of the sample ticket plug-in and a route imported from a made-up feed.
# K41_BUILD_DIR=build-test scripts/screenshots.sh renders with an existing build instead of
# configuring and building ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -n ${K41_BUILD_DIR:-} ]]; then
  build=$K41_BUILD_DIR
  cmake --build "$build" -j2 --target k41shot k41tool k41example_settings
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

# The options dialog on settings that show every control: paths as a user would have them,
# the picture frames and the ticket preview switched on with the sample plug-in (found from
# the source folder, where this script runs), one information digit in use.
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
  "SeiriPlgFile": "samples/plugins/yamabato.4SP",
  "SeiriDateValue": "2025/03/07"
}
JSON
"$build/tools/k41tool" in4 build "$work/options.json" "$work/options.in4"
pages=(folders panel digits stopname sound preview)
for i in 0 1 2 3 4 5; do
  "$shot" --options "$i" "$out/options-$i-${pages[$i]}.png" "$work/options.in4"
done
# The sample ticket plug-in's ticket, twice the preview's size.
"$build/tools/k41tool" plugin render samples/plugins/yamabato.4SP "$out/ticket.png" \
  --stop 本町一丁目 --number 5 --route 12 --row 5 --date 03-07-2025 --time 08:05:09 --scale 2

# A route imported from a small made-up open-data feed (a folder of GTFS-JP tables), ridden
# to its fourth stop.
feed="$work/feed"
mkdir -p "$feed"
cat > "$feed/stops.txt" <<'CSV'
stop_id,stop_name,zone_id
1,山鳩駅前,A
2,本町一丁目,A
3,本町三丁目,B
4,市役所前,B
5,山鳩病院,C
6,みなと公園,D
CSV
cat > "$feed/routes.txt" <<'CSV'
route_id,route_short_name,route_long_name
r,１系統,山鳩駅前・みなと公園線
CSV
cat > "$feed/trips.txt" <<'CSV'
route_id,service_id,trip_id,trip_headsign
r,平日,t1,みなと公園
CSV
cat > "$feed/stop_times.txt" <<'CSV'
trip_id,arrival_time,departure_time,stop_id,stop_sequence
t1,08:00:00,08:00:00,1,1
t1,08:03:00,08:03:00,2,2
t1,08:05:00,08:05:00,3,3
t1,08:08:00,08:08:00,4,4
t1,08:12:00,08:12:00,5,5
t1,08:16:00,08:16:00,6,6
CSV
cat > "$feed/fare_attributes.txt" <<'CSV'
fare_id,price,currency_type,payment_method,transfers
f0,0,JPY,0,0
f1,160,JPY,0,0
f2,200,JPY,0,0
f3,240,JPY,0,0
f4,280,JPY,0,0
CSV
cat > "$feed/fare_rules.txt" <<'CSV'
fare_id,origin_id,destination_id
f1,A,A
f2,A,B
f3,A,C
f4,A,D
f1,B,B
f1,B,C
f2,B,D
f0,C,C
f1,C,D
CSV
cat > "$feed/translations.txt" <<'CSV'
trans_id,lang,translation
山鳩駅前,ja-Hrkt,やまばとえきまえ
本町一丁目,ja-Hrkt,ほんまちいっちょうめ
本町三丁目,ja-Hrkt,ほんまちさんちょうめ
市役所前,ja-Hrkt,しやくしょまえ
山鳩病院,ja-Hrkt,やまばとびょういん
みなと公園,ja-Hrkt,みなとこうえん
CSV
"$build/tools/k41tool" gtfs list "$feed"
"$build/tools/k41tool" gtfs import "$feed" --trip t1 --route 31 "$work/route"
printf '{"FareDataDir": "%s", "TapeDataDir": "%s", "TsugiwaMode": 1}\n' "$work/route" "$work/route" \
  > "$work/gtfs.json"
"$build/tools/k41tool" in4 build "$work/gtfs.json" "$work/gtfs.in4"
"$shot" "$out/guide-gtfs.png" "$work/gtfs.in4" 31 3 300

# Filming the board: twice its size, full screen on a 1280 × 720 screen with the key colour,
# and the panel during an automatic ride.
"$shot" --board-only --scale 2 "$out/board-2x.png" "$settings" 1 5 300
"$shot" --board-only --fill 1280x720 --key 00ff00 "$out/board-fullscreen-key.png" "$settings" 1 5 300
"$shot" --ride "$out/auto-ride.png" "$settings" 1 2 300
