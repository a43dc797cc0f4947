#!/usr/bin/env bash
# The board and the panel under a real X server and window manager (Xvfb and openbox) with a
# taskbar along the bottom of the screen, the way a user meets them: the first start puts the
# panel in the work area's bottom-right corner, above the taskbar; both windows come back
# exactly where they were at the next start; a stored position beyond the screen or under the
# taskbar is pulled into the work area without losing the stored value; and closing the board
# asks the quit question instead of losing the board.
# Exits 77 (skipped) when a program is missing or the X server does not start.
# Usage: windows_x11.sh path/to/K41 path/to/k41tool
k41=$1
k41tool=$2
source "$(dirname "$0")/x11_session.sh" xdotool xev
add_taskbar 40 || exit 1
read -r area_x area_y area_w area_h <<<"$(work_area)"

# A portable copy: its settings file lives beside it.
mkdir "$work/bin"
cp "$k41" "$work/bin/K41"
settings=$work/bin/K41.in4
fail=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}

# The settings file with the panel and the board at the given twips.
write_positions() {
  printf '{"CtrlDataInfo": {"PanelLeft": %d, "PanelTop": %d}, "FormInfo": {"BoardLeft": %d, "BoardTop": %d}}\n' \
    "$@" >"$work/positions.json"
  "$k41tool" in4 build "$work/positions.json" "$settings" || { echo "FAIL: in4 build"; exit 1; }
}
# A stored number of the settings file, by its key.
stored() {
  "$k41tool" in4 dump "$settings" | tr -d ' \n' | grep -o "\"$1\":-\?[0-9]*" | cut -d: -f2
}
# The top-left of the client area of window $1 on the screen, "x,y".
client_at() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
                           END {print x "," y}'
}
# Sets left, top, right and bottom to the edges of window $1's frame (right and bottom just
# outside it).
frame_of() {
  local geometry x y w h l r t b
  geometry=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$geometry")
  y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$geometry")
  w=$(awk '/Width:/ {print $2}' <<<"$geometry")
  h=$(awk '/Height:/ {print $2}' <<<"$geometry")
  read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')"
  left=$((x - l)) top=$((y - t)) right=$((x + w + r)) bottom=$((y + h + b))
  echo "frame of $1: $left,$top to $right,$bottom"
}
# Whether the whole frame of window $1 lies in the work area.
in_work_area() {
  frame_of "$1"
  ((left >= area_x && top >= area_y && right <= area_x + area_w && bottom <= area_y + area_h))
}
# Whether the frame of window $1 sits in the work area's bottom-right corner.
in_bottom_right() {
  frame_of "$1"
  ((right == area_x + area_w && bottom == area_y + area_h))
}
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }

panel="" board=""
start_windows() {
  start_k41 "$work/bin/K41"
  wait_for 60 find_window 集中操作盤 || { echo "FAIL: no panel"; cat "$work/k41.log"; exit 1; }
  panel=$found
  wait_for 60 find_window 料金案内盤アプリケーション || { echo "FAIL: no board"; exit 1; }
  board=$found
  sleep 1 # let the window manager settle the frames
}
# Asks to close window $1 as a user does (Alt+F4 through the window manager) and waits for
# the quit question.
question=""
ask_close() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  question=""
  wait_for 30 find_window 料金案内盤アプリの終了確認 && question=$found
}
# Answers the quit question with $1 (Return: はい, Escape: いいえ).
answer() {
  xdotool windowactivate --sync "$question" >/dev/null 2>&1
  xdotool key --clearmodifiers "$1"
}
ended() { ! kill -0 "$k41_pid" 2>/dev/null; }
quit() {
  ask_close "$panel" || { echo "FAIL: the panel's close asked nothing"; exit 1; }
  answer Return
  wait_for 60 ended || { echo "FAIL: K41 did not end"; exit 1; }
}

# 1. The first start, without a settings file: the panel in the bottom-right corner of the
#    work area, above the taskbar (K41 finds the corner again once the frame is known).
start_windows
check "the first start puts the panel in the work area's corner" wait_for 10 in_bottom_right "$panel"
quit

# 2. A position saved and restored without a move comes back exactly, start after start.
write_positions 4500 3000 900 600
start_windows
first_panel=$(client_at "$panel") first_board=$(client_at "$board")
echo "first start: panel $first_panel, board $first_board"
quit
check "the panel's stored position is kept" test "$(stored PanelLeft),$(stored PanelTop)" = 4500,3000
check "the board's stored position is kept" test "$(stored BoardLeft),$(stored BoardTop)" = 900,600
start_windows
check "the panel comes back where it was" test "$(client_at "$panel")" = "$first_panel"
check "the board comes back where it was" test "$(client_at "$board")" = "$first_board"

# 3. Closing the board asks the panel's question: いいえ keeps both windows, はい quits.
check "closing the board asks the quit question" ask_close "$board"
answer Escape
sleep 1
check "いいえ keeps the board" viewable "$board"
check "いいえ keeps the panel" viewable "$panel"
check "いいえ keeps K41 running" kill -0 "$k41_pid"
check "closing the board again asks again" ask_close "$board"
answer Return
check "はい ends K41" wait_for 60 ended

# 4. A panel stored under the taskbar (and beyond the right edge) and a board beyond the top-left
#    corner (a larger screen, a higher scale) are pulled into the work area; the stored values
#    stay the user's. K41 checks a restored window again once the window manager has framed it.
write_positions 30000 $(((1024 - 20) * 15)) -3000 -3000
start_windows
check "the panel is in the work area" wait_for 10 in_work_area "$panel"
check "the board is in the work area" wait_for 10 in_work_area "$board"
quit
check "the stored positions are the user's" \
  test "$(stored PanelLeft),$(stored PanelTop),$(stored BoardLeft),$(stored BoardTop)" = \
  30000,15060,-3000,-3000
exit $fail
