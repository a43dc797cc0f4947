#!/usr/bin/env bash
# Tries K41's Debian package on a clean Debian 12: a minimal system made by debootstrap in a
# folder (reused when it is there), entered with chroot. There the package is installed with
# apt as a user would; K41 is started as an ordinary user from /usr/bin on an Xvfb display
# (run here, shared through /tmp/.X11-unix) with openbox as window manager, keys sample
# route 1, switches the late-night fare, is photographed, and quits through the panel's close
# question. Then the settings file must be in the user's ~/.config/K41, `k41tool --help` must
# run, the installed menu entry and AppStream file must validate, and purging the package
# must leave none of its files behind. Needs root.
# Usage: scripts/check-deb.sh [ROOT [DEB [OUT]]]
#   ROOT  folder of the clean system (default /var/tmp/k41-deb12)
#   DEB   the package (default build-deb/k41_*.deb, made by scripts/package.sh)
#   OUT   where the screenshot and logs go (default build-deb/check)
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-/var/tmp/k41-deb12}
deb=$(realpath "${2:-$(ls build-deb/k41_*.deb | head -1)}")
out=$(realpath -m "${3:-build-deb/check}")
mkdir -p "$out"
display=${K41_CHECK_DISPLAY:-:83}

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  for m in tmp/.X11-unix dev/pts dev proc; do
    mountpoint -q "$root/$m" && umount -l "$root/$m" || true
  done
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p /tmp/.X11-unix "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

echo "== install with apt"
cp "$deb" "$root/tmp/k41.deb"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/k41.deb > "$out/install.log"
in_root dpkg -L k41 > "$out/files.txt"
in_root id rider >/dev/null 2>&1 || in_root useradd -m rider
in_root rm -rf /home/rider/.config

echo "== validate the installed menu entry and AppStream file"
desktop-file-validate "$root"/usr/share/applications/jp.k41.K41.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/jp.k41.K41.metainfo.xml

echo "== k41tool --help, K41 --version"
in_root k41tool --help | head -3
chroot --userspec=rider:rider "$root" env -i HOME=/home/rider PATH=/usr/bin:/bin K41 --version

echo "== start K41 under Xvfb"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp > "$out/xvfb.log" 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox > "$out/openbox.log" 2>&1 &
wm=$!
sleep 1
chroot --userspec=rider:rider "$root" env -i HOME=/home/rider PATH=/usr/bin:/bin \
  LANG=C.UTF-8 DISPLAY=$display SDL_AUDIODRIVER=dummy \
  /usr/bin/K41 > "$out/k41.log" 2>&1 &
k41=$!
export DISPLAY=$display
panel=$(timeout 60 xdotool search --sync --name '^集中操作盤$' | head -1)
sleep 2
test -f "$root/home/rider/.config/K41/K41.in4" || { echo "no example settings copied"; exit 1; }
# Panel positions (pixels in the panel): keypad "系統" 69,134; "1" 37,106; "リセット" 69,160;
# "データ送り" 182,16; "深夜料金" 244,68.
click() { xdotool mousemove --window "$panel" "$1" "$2" click 1; sleep 0.3; }
click 69 134; click 37 106; click 69 160
sleep 4 # the lamp test
click 244 68
for _ in 1 2 3; do click 182 16; done
sleep 1
import -window root "$out/installed-k41.png"

echo "== quit through the close question"
xdotool windowactivate --sync "$panel" key alt+F4
sleep 1
xdotool key y
timeout 30 tail --pid=$k41 -f /dev/null
echo "K41 ended with $(wait $k41; echo $?)"
in_root k41tool in4 dump /home/rider/.config/K41/K41.in4 > "$out/settings.json"
grep -E '"(FareDataDir|LateNight)"' "$out/settings.json"
grep -q '"LateNight": 1' "$out/settings.json" || { echo "settings were not saved"; exit 1; }

echo "== purge"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q k41 > "$out/purge.log"
left=0
while read -r f; do
  # Folders shared with other packages (/usr/share/icons/hicolor/...) may stay.
  if [ -e "$root$f" ] && [ ! -d "$root$f" ]; then echo "left behind: $f"; left=1; fi
done < "$out/files.txt"
[ -e "$root/usr/share/k41" ] && { echo "left behind: /usr/share/k41"; left=1; }
[ "$left" = 0 ] && echo "no file of the package is left"
# What apt pulled in for it goes too, so that the folder is a clean system again.
in_root env DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -q >> "$out/purge.log"
exit $left
