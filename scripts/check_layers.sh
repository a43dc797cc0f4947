#!/usr/bin/env bash
# Checks that no source folder includes a folder above it. The layers, bottom up:
#   platform/core; platform/ticket; platform/x11; platform; tape; controls/digit, controls/stopname, sound, record; settings; faredata;
#   gtfs; backlight; panel; app/options; app; tools (tests, bench and fuzz may include anything).
# Prints every offending include and exits 1 when there is one. Usage: scripts/check_layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# Folder -> the folders its sources may include besides their own.
declare -A allowed=(
  [platform/core]=""
  [platform/ticket]="platform/core"
  [platform/x11]="platform/core"
  [platform]="platform/core platform/ticket"
  [controls/digit]="platform/core platform platform/x11"
  [controls/stopname]="platform/core platform platform/x11"
  [tape]="platform/core"
  [sound]="platform/core platform platform/x11 tape"
  [record]="platform/core"
  [settings]="platform/core platform/ticket"
  [faredata]="platform/core settings"
  [gtfs]="platform/core tape settings faredata"
  [backlight]="platform/core settings"
  [panel]="platform/core platform/ticket platform platform/x11 controls/digit controls/stopname tape sound settings faredata gtfs backlight"
  [app/options]="platform/core platform/ticket platform platform/x11 controls/digit controls/stopname tape sound settings faredata gtfs backlight panel"
  [app]="platform/core platform/ticket platform platform/x11 controls/digit controls/stopname tape sound record settings faredata gtfs backlight panel app/options"
  [tools]="platform/core platform/ticket platform platform/x11 controls/digit controls/stopname tape sound record settings faredata gtfs backlight panel app/options app"
)
layers=(platform/core platform/ticket platform/x11 platform tape controls/digit controls/stopname sound record settings faredata gtfs backlight panel app/options app tools)

# The layer a path belongs to: the longest layer folder that is a prefix of it.
layer_of() {
  local path=$1 best=""
  for l in "${layers[@]}"; do
    if [[ $path == "$l"/* && ${#l} -gt ${#best} ]]; then best=$l; fi
  done
  printf '%s' "$best"
}

bad=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  [ -n "$from" ] || continue
  while IFS= read -r inc; do
    to=$(layer_of "$inc")
    [ -n "$to" ] || continue
    [ "$to" = "$from" ] && continue
    case " ${allowed[$from]} " in
      *" $to "*) ;;
      *) echo "$file includes $inc ($from may not use $to)"; bad=1 ;;
    esac
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')

if [ "$bad" -ne 0 ]; then exit 1; fi
echo "no folder includes a folder above it"
