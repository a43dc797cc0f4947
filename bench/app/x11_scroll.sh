#!/usr/bin/env bash
# CPU of the whole running K41 on a real X server (Xvfb, with openbox) while a 20-cell stop
# name scrolls, and the X server's own share, against the same with an idle board (a name
# that stands still), alternately, several times in one run. Each share is the CPU time
# (all its threads' time on a CPU, from /proc/PID/task/*/schedstat) over a fixed window after
# start-up, as a percentage of one core. Prints the median, minimum and maximum of each, of scrolling
# minus idle, and the ratio scrolling / idle of K41 and the X server together.
#
#   bench/app/x11_scroll.sh BUILD_DIR [runs] [seconds]   (default: 3 runs of 20 s each)
# BUILD_DIR is a build with K41_BUILD_BENCH=ON (a RelWithDebInfo one for figures).
set -uo pipefail
build=${1:?usage: x11_scroll.sh BUILD_DIR [runs] [seconds]}
runs=${2:-3}
seconds=${3:-20}
program=$build/bench/app/bench_x11scroll
[ -x "$program" ] || { echo "no $program: build the target bench_x11scroll" >&2; exit 1; }
# Xvfb and openbox on a free display, as the window tests run them: gives $work, $pids (the
# X server's first), wait_for and DISPLAY, and stops them at exit.
source "$(dirname "$0")/../../tests/app/x11_session.sh" xprop
xvfb=${pids[0]}

# Nanoseconds a process's threads have run so far (finer than the clock ticks of /proc/PID/stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d\n", n }'; }

# One window of $seconds with K41 in mode $1; prints "K41-share X-share" in percent.
measure() {
  local mode=$1 k41 k0 k1 x0 x1
  XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    "$program" "$work/K41.in4" "$mode" >"$work/k41.log" 2>&1 &
  k41=$!
  pids+=($k41)
  wait_for 60 grep -q showing "$work/k41.log" || { echo "K41 did not start" >&2; exit 1; }
  sleep 3 # the start's own work (fonts, the first frames) settles
  k0=$(cpu_ns "$k41") x0=$(cpu_ns "$xvfb")
  sleep "$seconds"
  k1=$(cpu_ns "$k41") x1=$(cpu_ns "$xvfb")
  kill "$k41"
  wait "$k41" 2>/dev/null
  awk -v k=$((k1 - k0)) -v x=$((x1 - x0)) -v s="$seconds" \
    'BEGIN { printf "%.3f %.3f\n", 100 * k / 1e9 / s, 100 * x / 1e9 / s }'
}

: >"$work/figures"
for ((run = 0; run < runs; run++)); do
  read -r ks xs < <(measure scroll)
  read -r ki xi < <(measure idle)
  echo "$ks $xs $ki $xi" >>"$work/figures"
  echo "run $((run + 1)): scrolling K41 $ks %, X $xs %; idle K41 $ki %, X $xi %" >&2
done

# Median, minimum and maximum of a column of figures.
stats() {
  awk "{ print $1 }" "$work/figures" | sort -g |
    awk '{ v[NR] = $1 } END { printf "median %7.3f, min %7.3f, max %7.3f\n", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
echo "$runs runs of $seconds s each, a 20-cell name scrolling at speed 200 and an idle board;"
echo "percent of one core (CPU time over the window):"
printf '%-34s %s\n' "K41 scrolling" "$(stats '$1')"
printf '%-34s %s\n' "X server while K41 scrolls" "$(stats '$2')"
printf '%-34s %s\n' "K41 + X server scrolling" "$(stats '$1 + $2')"
printf '%-34s %s\n' "K41 idle board" "$(stats '$3')"
printf '%-34s %s\n' "X server while K41 is idle" "$(stats '$4')"
printf '%-34s %s\n' "K41 + X server idle" "$(stats '$3 + $4')"
printf '%-34s %s\n' "scrolling minus idle (together)" "$(stats '$1 + $2 - $3 - $4')"
printf '%-34s %s\n' "ratio scrolling / idle (together)" \
  "$(stats '($3 + $4 > 0 ? ($1 + $2) / ($3 + $4) : "inf")')"
