#!/usr/bin/env bash
# Installs what K41 needs, builds it with AddressSanitizer and UBSan, runs every test
# headless (offscreen windows, SDL's dummy audio driver), then runs each fuzz target briefly
# (K41_FUZZ_SECONDS a target, 30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug -DK41_SANITIZE=ON -DK41_BUILD_BENCH=ON
cd build-test
# Qt wants a private runtime folder; CI machines have none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  ctest --output-on-failure -j2 --timeout 300
cd ..
scripts/fuzz.sh "${K41_FUZZ_SECONDS:-30}"
