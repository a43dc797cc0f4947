#!/usr/bin/env bash
# The operation panel's frame under a real X server and window manager (Xvfb and openbox): a
# title bar whose only button is the close box, no minimising, maximising or resizing, and
# K41's own icon (on the board too).
# What a window manager draws can only be seen there; the offscreen platform has no frames.
# Exits 77 (skipped) when a program is missing or the X server does not start.
# Usage: panel_frame_x11.sh path/to/K41
k41=$1
source "$(dirname "$0")/x11_session.sh"
start_k41 "$k41"

# The panel, once the window manager has framed it.
if ! wait_for 60 find_window 集中操作盤; then
  echo "FAIL: the panel did not appear"; cat "$work/k41.log"; exit 1
fi
panel=$found
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
# K41's own icon, not the window manager's generic one, in every size on both windows (a
# task switcher takes the size it draws). The start-up gives it once both windows exist.
icon=$(xprop -len 1000000 -id "$panel" _NET_WM_ICON 2>/dev/null)
sizes=$(grep -o 'Icon ([0-9]* x [0-9]*)' <<<"$icon" | tr '\n' ' ')
[ "$sizes" = "$(for s in 16 22 24 32 48 64 128 256; do printf 'Icon (%s x %s) ' $s $s; done)" ] ||
  { echo "FAIL: the panel's icon has the sizes: $sizes"; fail=1; }
board=""
for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
  xprop -id "$w" _NET_WM_NAME | grep -qF '= "料金案内盤' && board=$w
done
[ -n "$board" ] && [ "$(xprop -len 1000000 -id "$board" _NET_WM_ICON)" = "$icon" ] ||
  { echo "FAIL: the board ($board) has not the panel's icon"; fail=1; }
if [ -z "$title" ] || ((top < 10)); then echo "FAIL: no title bar"; fail=1; fi
((buttons == 1)) || { echo "FAIL: $buttons buttons in the title bar, the close box expected"; fail=1; }
exit $fail
