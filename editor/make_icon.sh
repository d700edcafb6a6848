#!/usr/bin/env bash
# Draws quillmark.ico (32 and 16 pixels): a white brush stroke over a red
# square. Run once by hand; the icon is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
for size in 32 16; do
  s=$((size - 1))
  convert -size ${size}x${size} xc:none -fill '#b22222' -draw "roundrectangle 0,0 $s,$s 4,4" \
    -stroke white -strokewidth $((size / 8)) -fill none \
    -draw "bezier $((size/5)),$((size*4/5)) $((size*2/5)),$((size/5)) $((size*3/5)),$((size*4/5)) $((size*4/5)),$((size/5))" \
    -fill white -stroke none -draw "circle $((size*4/5)),$((size/5)) $((size*4/5+size/10)),$((size/5))" \
    "$tmp/icon$size.png"
done
convert "$tmp/icon32.png" "$tmp/icon16.png" quillmark.ico
rm -rf "$tmp"
