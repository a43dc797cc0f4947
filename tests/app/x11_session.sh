# A real X server and window manager (Xvfb and openbox) for the window tests, in two ways:
#   source x11_session.sh TOOL...     checks the tools, starts both and sets DISPLAY; gives
#                                     $work (a temporary folder, removed at exit), wait_for,
#                                     find_window, start_k41 and add_taskbar
#   bash x11_session.sh COMMAND...    runs COMMAND there, in a session bus of its own with the
#                                     accessibility bus, so that it can press real keys
#                                     (xdotool) and use AT-SPI actions; its status is returned
# Exits 77 (skipped) when a program is missing or the X server or window manager does not start.
set -uo pipefail
if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  tools=(dbus-run-session)
else
  tools=(dbus-daemon "$@")
fi
for tool in Xvfb openbox xprop xwininfo setsid "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
export LC_ALL=C.UTF-8

work=$(mktemp -d)
# What was started: single processes, and process groups (a program started in a session of
# its own, so that whatever it forked goes with it: a child stopped before it ran its program
# keeps the name of the thread that forked it and everything it inherited, and would outlive
# the test and stand in the way of later ones).
pids=()
groups=()
# The groups are asked to end before the X server goes, and are given a few seconds: the
# session bus that K41 has started for itself (dbus-launch's, in a session of its own) is ended
# by its watcher in K41's group once the X server goes, and would outlive a group killed at once.
cleanup() {
  for group in "${groups[@]}"; do kill -TERM -- "-$group" 2>/dev/null; done
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
  for group in "${groups[@]}"; do
    for ((i = 0; i < 50; i++)); do kill -0 -- "-$group" 2>/dev/null || break; sleep 0.1; done
    kill -9 -- "-$group" 2>/dev/null
  done
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

# The window manager's defaults, pinned: title, then iconify, maximise and close buttons;
# Alt+F4 closes the active window.
cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><titleLayout>LIMC</titleLayout></theme>
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
</openbox_config>
XML
openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 60 wm_ready || { echo "SKIP: openbox did not start"; cat "$work/openbox.log"; exit 77; }
mkdir -m 700 "$work/run"

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  export SDL_AUDIODRIVER=dummy
  # The accessibility bus and its registry start on the session bus when asked.
  setsid dbus-run-session -- "$@" &
  groups+=($!)
  wait $!
  exit $?
fi

# A session bus of the tests' own, as a desktop has one. Without it the accessibility bridge of
# every K41 has libdbus start a bus: it forks on a thread of its own and runs dbus-launch, and
# under the address sanitizer a child forked while another thread held the sanitizer's
# allocator lock stops before it runs dbus-launch, with that K41 waiting for it for ever.
setsid dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
groups+=($!)
wait_for 30 test -s "$work/bus" || { echo "SKIP: dbus-daemon did not start"; exit 77; }
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

# Sets $found to the managed window whose caption starts with $1, once the window manager
# has framed it.
found=""
find_window() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
    if xprop -id "$w" _NET_WM_NAME 2>/dev/null | grep -qF "= \"$1" &&
       xprop -id "$w" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q ACTION &&
       xprop -id "$w" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
      found=$w
      return 0
    fi
  done
  return 1
}

# Starts K41 ($1, with the arguments after it) in the background, in a process group of its own
# (stopped whole at the end); its output goes to $work/k41.log and its process id to $k41_pid.
k41_pid=""
start_k41() {
  XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    setsid "$@" >"$work/k41.log" 2>&1 &
  k41_pid=$!
  groups+=($k41_pid)
}

# The work area, "x y width height": the screen less what taskbars keep for themselves.
work_area() {
  xprop -root _NET_WORKAREA | cut -d= -f2 | tr -d ' ' | cut -d, -f1-4 | tr , ' '
}

# Maps a taskbar $1 pixels high along the bottom of the screen, as a desktop's panel does: a
# window that says it is a dock and keeps that strip for itself (_NET_WM_STRUT_PARTIAL).
# Returns once the window manager has left the strip out of the work area.
add_taskbar() {
  local height=$1 bar=""
  xev -name k41-taskbar -geometry "1280x$height+0+$((1024 - height))" >/dev/null 2>&1 &
  pids+=($!)
  taskbar_mapped() {
    bar=$(xwininfo -name k41-taskbar 2>/dev/null | awk '/Window id:/ {print $4}')
    [ -n "$bar" ]
  }
  wait_for 30 taskbar_mapped || { echo "FAIL: no taskbar window"; return 1; }
  xprop -id "$bar" -f _NET_WM_WINDOW_TYPE 32a -set _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DOCK
  xprop -id "$bar" -f _NET_WM_STRUT_PARTIAL 32c \
    -set _NET_WM_STRUT_PARTIAL "0,0,0,$height,0,0,0,0,0,0,0,1279"
  strut_kept() { [ "$(work_area)" = "0 0 1280 $((1024 - height))" ]; }
  wait_for 30 strut_kept || { echo "FAIL: the work area is $(work_area)"; return 1; }
}
