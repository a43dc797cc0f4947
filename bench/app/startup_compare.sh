#!/usr/bin/env bash
# The start-up benchmark of two or more builds, alternately, round after round, so that they
# share the machine's changing load: each round runs every build's bench_startup once (which
# itself alternates K41 and the bare window). Prints, per build, the median (minimum, maximum)
# over the rounds of each round's median time ratio and processor-time ratio against the bare
# window, and of K41's time and processor time.
#
#   bench/app/startup_compare.sh [--free-cores] ROUNDS RUNS BUILD_DIR...
# Each BUILD_DIR holds bench/app/bench_startup and bench_startup_bare (a RelWithDebInfo build
# with K41_BUILD_BENCH=ON), or the two programs themselves.
#
# K41 finds its fonts on a second thread while the first builds the windows, which shortens the
# start only when a core is free. On a machine busy with other work, --free-cores runs the
# benchmark at a real-time priority (root only) so that it gets the cores as on an idle
# machine; the rounds then take all of both cores for their few seconds.
set -uo pipefail
realtime=()
if [[ ${1:-} == --free-cores ]]; then
  realtime=(chrt -f 10)
  shift
fi
rounds=${1:?usage: startup_compare.sh [--free-cores] ROUNDS RUNS BUILD_DIR...}
runs=${2:?usage: startup_compare.sh [--free-cores] ROUNDS RUNS BUILD_DIR...}
shift 2
(($# > 0)) || { echo "no build given" >&2; exit 1; }
programs=()
for dir in "$@"; do
  program=$dir/bench/app/bench_startup
  [[ -x $program ]] || program=$dir/bench_startup
  [[ -x $program ]] || { echo "no bench_startup in $dir" >&2; exit 1; }
  programs+=("$program")
done

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for ((round = 0; round < rounds; ++round)); do
  for i in "${!programs[@]}"; do
    "${realtime[@]}" "${programs[$i]}" "$runs" | awk -v build="$i" '
      /ratio K41 \/ bare window \(time\)/ { time = $8 }
      /ratio K41 \/ bare window \(CPU\)/  { cpu = $8 }
      /K41: start, both windows, exit/    { ms = $7 }
      /K41: processor time/               { cpums = $5 }
      END { print build, time, cpu, ms, cpums }' >>"$results" || exit 1
  done
done

names=("" "time ratio" "CPU ratio" "K41 ms" "K41 CPU ms")
for i in "${!programs[@]}"; do
  echo "${@:i+1:1}:"
  for column in 2 3 4 5; do
    awk -v build="$i" -v c="$column" '$1 == build { print $c }' "$results" | sort -g |
      awk -v name="${names[$((column - 1))]}" '
        { v[NR] = $1 }
        END { printf "  %-11s median %7.2f (min %7.2f, max %7.2f)\n", name, v[int((NR + 1) / 2)], v[1], v[NR] }'
  done
done
