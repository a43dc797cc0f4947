#!/usr/bin/env bash
# Installs what building and running K41 need (not the test tools), builds it and starts it
# on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK41_BUILD_TESTS=OFF -DK41_BUILD_BENCH=OFF
exec build/app/K41 "$@"
