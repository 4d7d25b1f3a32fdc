#!/usr/bin/env bash
# Draws the four program icons (16, 32 and 48 pixels) and the images of the Res folder
# with ImageMagick. The files are kept in the repository; run this again only to change
# the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file, background colour, then the picture's drawing options on a 48 x 48 canvas
draw() {
  local out=$1 colour=$2
  shift 2
  convert -size 48x48 xc:none -fill "$colour" -draw "roundrectangle 1,1 46,46 9,9" \
    -fill white -stroke white "$@" "$work/big.png"
  for size in 16 32 48; do convert "$work/big.png" -resize ${size}x${size} "$work/$size.png"; done
  convert "$work/16.png" "$work/32.png" "$work/48.png" "$out"
}

# Recorder: a record button.
draw recorder/Sorvane.ico '#245DDB' -strokewidth 3 -fill none -draw "circle 24,24 24,8" -stroke none -fill "#E53935" -draw "circle 24,24 24,14"
# Scheduler: a clock.
draw scheduler/Hestorn.ico '#2E8B57' -strokewidth 3 -fill none -draw "circle 24,24 24,7" -draw "line 24,24 24,12" -draw "line 24,24 33,28"
# Clicker: a pointer.
draw clicker/Tindral.ico '#E07B00' -stroke none -draw "polygon 15,8 15,38 22,31 27,42 32,40 27,29 37,29"
# Key presser: a key cap.
draw presser/Gallivet.ico '#7B3FA0' -strokewidth 3 -fill none -draw "roundrectangle 10,10 38,38 5,5" -draw "line 17,30 31,30"

# List header skin: a 20-pixel column each, 24-bit bitmaps. Fill, left edge, right edge.
convert -size 1x20 gradient:'#FFFFFF-#D6E4F5' -type TrueColor BMP3:Res/lh.bmp
convert -size 1x20 xc:'#FFFFFF' -type TrueColor BMP3:Res/lhl.bmp
convert -size 1x20 gradient:'#C4D3E6-#9FB4CF' -type TrueColor BMP3:Res/lhr.bmp

# Pointer-position viewer: a cross-hair, in colour and greyed out.
crosshair=(-strokewidth 2 -fill none -draw "circle 8,8 8,2" -draw "line 8,0 8,16" -draw "line 0,8 16,8")
convert -size 17x17 xc:none -stroke '#C62828' "${crosshair[@]}" PNG32:Res/view_pos.png
convert -size 17x17 xc:none -stroke '#9E9E9E' "${crosshair[@]}" PNG32:Res/view_pos_dis.png
