#!/usr/bin/env bash
# The README's pictures, taken of the real program under a private Xvfb: the window with the
# title picture, and a game in flight with the rocket held level by tapping the thrust key.
# Usage: tools/screenshots.sh BINARY OUTPUT_DIR
set -euo pipefail
game=$1
out=$2
source "$(dirname "$0")/../scripts/xvfb_session.sh"
start_xvfb
start_game "$game"
window_shot() { import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$out/$1.png"; }

mkdir -p "$out"
window_shot title
xdotool key ctrl+s
# One tap of a frame, then thrust and rest two frames each: the speed swings around 0.
taps=(keydown Up sleep 0.02 keyup Up)
for tap in $(seq 1 ${TAPS:-11}); do taps+=(sleep 0.04 keydown Up sleep 0.04 keyup Up); done
xdotool "${taps[@]}"
window_shot flight
