#!/usr/bin/env bash
# The real program at --scale 2 under a private Xvfb: the whole window is twice as large, menu
# bar included, and the client area shows the title picture in crisp 2 x 2 blocks of its own
# pixels with the white bottom row below, while it stays 320 x 241 of the game's pixels.
# Usage: xvfb_scale.sh BINARY TITLE_PICTURE
set -euo pipefail
game=$1
title=$2
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
fail() { echo "FAIL: $*"; exit 1; }

start_game "$game" --scale 2
[ "$WIN_W" -eq 640 ] || fail "window width $WIN_W, not 640"
[ $((WIN_H % 2)) -eq 0 ] && [ "$WIN_H" -ge $((2 * 241 + 2 * 20)) ] || fail "window height $WIN_H: the menu bar is not twice as tall"
import -window root -crop "640x482+${WIN_X}+$((WIN_Y + WIN_H - 482))" +repage "$WORK/client.png"
convert "$title" -filter point -resize 200% "$WORK/title2.png"
convert "$WORK/client.png" -crop 640x480+0+0 +repage "$WORK/play.png"
[ "$(differing_pixels "$WORK/play.png" "$WORK/title2.png")" -eq 0 ] || fail "the title is not shown in 2 x 2 blocks"
[ "$(convert "$WORK/client.png" -crop 640x2+0+480 +repage -format '%[fx:mean]' info:)" = 1 ] || fail "the bottom row is not white"
echo "scale test passed"
