#!/usr/bin/env bash
# Installs every Debian 12 package K41 needs to build, run and test. Safe to run again.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config git clang-format
  qt6-base-dev qt6-base-private-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsndfile1-dev libfluidsynth-dev timgm6mb-soundfont
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev
  libespeak-ng-dev espeak-ng-data libmecab-dev mecab mecab-ipadic-utf8
  libzint-dev libzbar-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  qt6-translations-l10n
  xvfb xauth openbox
  dpkg-dev fakeroot file lintian desktop-file-utils appstream librsvg2-bin
  debootstrap xdotool x11-utils imagemagick
  clang libclang-rt-14-dev
)
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
