#!/usr/bin/env bash
# Runs the whole test suite once with LeakSanitizer on, in the sanitizer build that
# scripts/test.sh makes (build-test), then turns leak checking off again. Leaks inside the
# system's libraries are suppressed by name in tests/lsan.supp; any other leak fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug -DK41_SANITIZE=ON -DK41_BUILD_BENCH=ON \
  -DK41_LEAK_CHECK=ON
root=$(pwd)
trap 'cmake -S "$root" -B "$root/build-test" -DK41_LEAK_CHECK=OFF >/dev/null' EXIT
cd build-test
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2 --timeout 300 "$@"
