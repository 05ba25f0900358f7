#!/bin/sh
# Renders the program's icon, src/app/frame/icons/kirvolan.svg, into the PNG sizes the windows use
# (committed beside it, so that the build needs no SVG renderer). Needs rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../src/app/frame/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kirvolan.svg -o "kirvolan_$size.png"
done
