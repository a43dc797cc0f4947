#!/usr/bin/env bash
# Installs the Debian 12 packages K41 needs. Safe to run again.
#   scripts/setup.sh --run   what building and running K41 need (scripts/run.sh)
#   scripts/setup.sh         that and what testing, benchmarks, fuzzing and packaging need
#                            (scripts/test.sh)
# With --list, prints the chosen packages, one a line, instead of installing them.
set -euo pipefail

# Building and running.
run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev libfontconfig-dev
  libsdl2-dev libsndfile1-dev libfluidsynth-dev timgm6mb-soundfont
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev
  libespeak-ng-dev espeak-ng-data libmecab-dev mecab mecab-ipadic mecab-ipadic-utf8 kanjidic wbritish
  unicode-data bzip2
  mecab-utils skkdic-extra enamdict edict
  libzint-dev
  libzip-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  qt6-translations-l10n
)

# Testing (the tests, the window-manager and accessibility checks, the format check),
# benchmarks, fuzzing and packaging, besides the above.
test_packages=(
  git clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev libzbar-dev
  xvfb xauth openbox xdotool x11-utils imagemagick
  dbus at-spi2-core python3-pyatspi
  dpkg-dev fakeroot file lintian desktop-file-utils appstream librsvg2-bin
  debootstrap
  clang libclang-rt-14-dev
)

run_only=0 list=0
for arg in "$@"; do
  case "$arg" in
    --run) run_only=1 ;;
    --list) list=1 ;;
    *) echo "usage: $0 [--run] [--list]" >&2; exit 2 ;;
  esac
done
packages=("${run_packages[@]}")
((run_only)) || packages+=("${test_packages[@]}")
if ((list)); then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
