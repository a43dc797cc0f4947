#!/usr/bin/env bash
# Renders K41's icon (dist/icons/jp.k41.K41.svg, our own drawing) into the PNG sizes that
# desktops look for: dist/icons/<N>x<N>/jp.k41.K41.png. Run again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
svg=dist/icons/jp.k41.K41.svg
for n in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "dist/icons/${n}x${n}"
  rsvg-convert -w "$n" -h "$n" "$svg" -o "dist/icons/${n}x${n}/jp.k41.K41.png"
done
