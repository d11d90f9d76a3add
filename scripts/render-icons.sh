#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from packaging/icons/twopoint.svg
# (run after changing the SVG; the PNGs are kept in the repository so that a
# build needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "render-icons.sh: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" twopoint.svg -o "hicolor/${size}x${size}/twopoint.png"
done
