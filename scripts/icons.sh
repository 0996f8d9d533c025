#!/usr/bin/env bash
# Renders the PNG sizes of the icons from their SVG drawings (ImageMagick).
# The PNGs are committed, so a build needs no image tools; run this after
# changing an SVG in desktop/icons/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$root/desktop/icons"

render() { # svg size out
  mkdir -p "$(dirname "$3")"
  convert -background none -density 600 "$1" -resize "$2x$2" -strip "PNG32:$3"
}

for name in dietlens translator; do
  for size in 16 22 24 32 48 64 128 256; do
    render "$icons/$name.svg" "$size" "$icons/hicolor/${size}x${size}/apps/$name.png"
  done
done
for size in 16 22 24 32 48; do
  render "$icons/dietlens-tray.svg" "$size" "$icons/hicolor/${size}x${size}/apps/dietlens-tray.png"
done
