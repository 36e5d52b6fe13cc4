#!/usr/bin/env bash
# The real program under a private Xvfb with the openbox window manager: the whole frame, title
# bar and borders included, sits in the middle of the screen.
# Usage: xvfb_openbox_centred.sh BINARY
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
start_openbox
start_game "$1"

# Prints the frame's offsets from the middle of the 800 x 600 screen, twice over: "DX DY".
frame_offset() {
  local left right top bottom
  IFS=', ' read -r left right top bottom < <(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed 's/.*= //')
  read -r x y w h < <(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  echo $((2 * (x - left) + w + left + right - 800)) $((2 * (y - top) + h + top + bottom - 600))
}
centred() { read -r dx dy < <(frame_offset) && [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]; }
wait_for 10 centred || { echo "FAIL: the frame is off the middle by $(frame_offset) (twice over)"; exit 1; }
echo "frame centred"
