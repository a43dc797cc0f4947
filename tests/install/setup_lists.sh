#!/usr/bin/env bash
# The setup script's two selections: running K41 (scripts/run.sh) installs what building and
# running need and none of the test and packaging tools; testing installs all of that too.
# Usage: setup_lists.sh path/to/scripts/setup.sh
set -uo pipefail
setup=$1
run=$(bash "$setup" --run --list) || { echo "FAIL: --run --list failed"; exit 1; }
all=$(bash "$setup" --list) || { echo "FAIL: --list failed"; exit 1; }
fail=0
for needed in cmake g++ qt6-base-dev libsdl2-dev libfluidsynth-dev libespeak-ng-dev libmecab-dev \
              libzint-dev fonts-ipafont-gothic; do
  grep -qx "$needed" <<<"$run" || { echo "FAIL: running needs $needed"; fail=1; }
done
for tool in googletest clang clang-format debootstrap lintian xvfb xdotool python3-pyatspi; do
  grep -qx "$tool" <<<"$run" && { echo "FAIL: running installs $tool"; fail=1; }
  grep -qx "$tool" <<<"$all" || { echo "FAIL: testing lacks $tool"; fail=1; }
done
missing=$(comm -23 <(sort <<<"$run") <(sort <<<"$all"))
[ -z "$missing" ] || { echo "FAIL: testing lacks $missing"; fail=1; }
grep -q 'setup.sh --run' "$(dirname "$setup")/run.sh" || { echo "FAIL: run.sh installs all"; fail=1; }
exit $fail
