#!/usr/bin/env bash
# Draws kelvaro.ico (32 and 16 pixels): a red brush character mark on a
# cream square. Run once by hand; the icon is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
for size in 32 16; do
  s=$((size - 1))
  convert -size ${size}x${size} xc:none -fill '#f5ecd0' -stroke '#8b0000' -draw "rectangle 0,0 $s,$s" \
    -stroke '#b22222' -strokewidth $((size / 8)) -fill none \
    -draw "line $((size/5)),$((size/3)) $((size*4/5)),$((size/3))" \
    -draw "line $((size/2)),$((size/6)) $((size/2)),$((size*5/6))" \
    -draw "line $((size/4)),$((size*3/4)) $((size*3/4)),$((size*3/4))" \
    "$tmp/icon$size.png"
done
convert "$tmp/icon32.png" "$tmp/icon16.png" kelvaro.ico
rm -rf "$tmp"
