#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer, UBSan) into build-fuzz
# and runs each for a bounded time, two at a time. Prints executions and coverage per target
# and fails when any target crashes, hangs (an input running over 10 s) or leaks.
#
#   scripts/fuzz.sh            30 s a target, as CI runs it
#   FUZZ_SEED=0 scripts/fuzz.sh 600   10 minutes a target and a fresh seed, before a release
#   scripts/fuzz.sh 60 fuzz_hy3 fuzz_in4     only the named targets
#
# Inputs that found something new are kept in build-fuzz/fuzz/corpus/<target>/ for the next
# run; a crashing input is saved as build-fuzz/fuzz/artifacts/<target>-crash-*. Copy such an
# input to fuzz/regressions/<target>/ once fixed: ctest replays that folder on every build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
dir=build-fuzz
jobs=${FUZZ_JOBS:-2}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DK41_FUZZ=ON -DK41_BUILD_TESTS=OFF -DK41_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2 --target fuzzers

if [ $# -gt 0 ]; then targets=("$@"); else mapfile -t targets <"$dir/fuzz/fuzzers.txt"; fi
mkdir -p "$dir/fuzz/logs" "$dir/fuzz/artifacts"

run() {
  local name=$1 corpus="$dir/fuzz/corpus/$1" extra=() options=()
  mkdir -p "$corpus"
  [ -d "fuzz/regressions/$name" ] && extra+=("fuzz/regressions/$name")
  # Without -max_len libFuzzer grows inputs to the largest seed's size. A fare table's
  # later rows run the same code as its first ones, and the round trip through text costs
  # by the row: a few dozen rows keep the run at over a thousand inputs a second.
  case $name in
    fuzz_hy3) options+=(-max_len=3072) ;;
  esac
  # -timeout: one input taking longer is a hang; -rss_limit_mb also caps single allocations.
  # -seed: the same mutations on every run, so a short run finds the same things again;
  # FUZZ_SEED=0 draws a new seed, for the long runs before a release.
  "$dir/fuzz/$name" -seed="${FUZZ_SEED:-1}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/fuzz/artifacts/$name-" "${options[@]}" \
    "$corpus" "$dir/fuzz/seeds/$name" "${extra[@]}" >"$dir/fuzz/logs/$name.log" 2>&1
}

pids=()
names=()
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run "$name" &
  pids+=($!)
  names+=("$name")
done

failed=0
printf '%-16s %12s %10s %14s %8s  %s\n' target executions exec/s "edges covered" corpus result
for i in "${!pids[@]}"; do
  name=${names[$i]}
  log="$dir/fuzz/logs/$name.log"
  result=ok
  wait "${pids[$i]}" || { result="FAILED (see $log)"; failed=1; }
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  total=$(sed -n 's/^INFO: Loaded [0-9]* modules *(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  corp=$(grep -o 'corp: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-16s %12s %10s %14s %8s  %s\n' "$name" "${execs:-?}" "${rate:-?}" \
    "${cov:-?} / ${total:-?}" "${corp:-?}" "$result"
  [ "$result" = ok ] || tail -40 "$log" >&2
done
exit $failed
