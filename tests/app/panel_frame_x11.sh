#!/usr/bin/env bash
# The operation panel's frame under a real X server and window manager (Xvfb and openbox): a
# title bar whose only button is the close box, no minimising, maximising or resizing, and
# K41's own icon.
# What a window manager draws can only be seen there; the offscreen platform has no frames.
# Exits 77 (skipped) when a program is missing or the X server does not start.
# Usage: panel_frame_x11.sh path/to/K41
set -uo pipefail
k41=$1
for tool in Xvfb openbox xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
export LC_ALL=C.UTF-8

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local tenths=$(($1 * 10)); shift
  for ((i = 0; i < tenths; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}

# The server picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 60 test -s "$work/display" || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=:$(head -n1 "$work/display")

# The window manager's defaults, pinned: title, then iconify, maximise and close buttons.
cat >"$work/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><titleLayout>LIMC</titleLayout></theme>
</openbox_config>
EOF
openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 60 wm_ready || { echo "SKIP: openbox did not start"; cat "$work/openbox.log"; exit 77; }

mkdir -m 700 "$work/run"
XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  "$k41" >"$work/k41.log" 2>&1 &
pids+=($!)

# The panel, once the window manager has framed it.
panel=""
find_panel() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
    if xprop -id "$w" _NET_WM_NAME 2>/dev/null | grep -qF '"集中操作盤"' &&
       xprop -id "$w" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q ACTION; then
      panel=$w
      return 0
    fi
  done
  return 1
}
if ! wait_for 60 find_panel; then
  echo "FAIL: the panel did not appear"; cat "$work/k41.log"; exit 1
fi
sleep 0.5 # let the window manager settle its decorations

fail=0
actions=$(xprop -id "$panel" _NET_WM_ALLOWED_ACTIONS)
echo "$actions"
for allowed in CLOSE MOVE; do
  grep -q "_NET_WM_ACTION_$allowed\b" <<<"$actions" || { echo "FAIL: cannot $allowed"; fail=1; }
done
for refused in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE FULLSCREEN; do
  if grep -q "_NET_WM_ACTION_$refused\b" <<<"$actions"; then
    echo "FAIL: allows $refused"; fail=1
  fi
done

# The buttons drawn: the mapped square windows in the frame's title bar (openbox draws a
# maximise button even for a window it will not maximise).
# (xwininfo without a window waits for a click, so every id is checked first.)
frame=$(xwininfo -id "$panel" -children | awk '/Parent window id/ {print $4}')
top=$(xprop -id "$panel" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $5}')
[ -n "$frame" ] && [ -n "$top" ] || { echo "FAIL: the panel has no frame"; exit 1; }
title=""
for child in $(xwininfo -id "$frame" -children | awk '/^     0x/ {print $1}'); do
  geometry=$(xwininfo -id "$child")
  height=$(awk '/Height:/ {print $2}' <<<"$geometry")
  y=$(awk '/Relative upper-left Y:/ {print $4}' <<<"$geometry")
  if ((height > 5 && y + height <= top)) &&
     [ "$(xwininfo -id "$child" -children | awk '/ child(ren)?[.:]/ {print $1}')" -gt 2 ]; then
    title=$child
  fi
done
buttons=0
if [ -n "$title" ]; then
  for child in $(xwininfo -id "$title" -children | awk '/^     0x/ {print $1}'); do
    geometry=$(xwininfo -id "$child")
    grep -q 'Map State: IsViewable' <<<"$geometry" || continue
    w=$(awk '/Width:/ {print $2}' <<<"$geometry")
    h=$(awk '/Height:/ {print $2}' <<<"$geometry")
    ((w == h)) && buttons=$((buttons + 1))
  done
fi
echo "title bar $title, top frame $top px, $buttons button(s)"
# K41's own icon, not the window manager's generic one.
icon=$(xprop -id "$panel" _NET_WM_ICON 2>/dev/null)
grep -q 'Icon (16 x 16)' <<<"$icon" || { echo "FAIL: the panel has no icon of its own"; fail=1; }
if [ -z "$title" ] || ((top < 10)); then echo "FAIL: no title bar"; fail=1; fi
((buttons == 1)) || { echo "FAIL: $buttons buttons in the title bar, the close box expected"; fail=1; }
exit $fail
