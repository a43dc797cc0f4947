#!/usr/bin/env bash
# Runs a command under a real X server and window manager (Xvfb and openbox) in a session bus
# of its own with the accessibility bus, so that a test can press real keys (xdotool) and use
# AT-SPI actions. The command's exit status is this script's; 77 (skipped) when a program is
# missing or the X server or window manager does not start.
# Usage: with_x11.sh COMMAND [ARGS...]
set -uo pipefail
for tool in Xvfb openbox xprop dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

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

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 60 test -s "$work/display" || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=:$(head -n1 "$work/display")

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 60 wm_ready || { echo "SKIP: openbox did not start"; cat "$work/openbox.log"; exit 77; }

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8
# A session bus of our own: the accessibility bus and its registry start on it when asked.
dbus-run-session -- "$@"
