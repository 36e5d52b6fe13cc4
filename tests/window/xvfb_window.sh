#!/usr/bin/env bash
# The real program in a private Xvfb with the openbox window manager: the whole frame in the
# middle of the screen and staying where it is moved, the title at start, a game after Ctrl+S,
# the title back after Esc; then closed in flight, in the game-over countdown, through the quit
# command and with a help box open. Every close must end the process promptly with exit code 0
# and nothing on stderr.
set -euo pipefail
game=$1
title=$2
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
start_openbox
fail() { echo "FAIL: $*"; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

# close_and_check HOW LABEL: closes the window, expects exit code 0 within 2 s.
close_and_check() {
  local started=$(date +%s%N)
  case "$1" in
    request) wmctrl -i -c "$WINDOW" ;;  # the window manager's close request
    menu) choose_menu_item 20 1 ;;
  esac
  wait_exit 2
  local elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
  [ "$GAME_EXIT" = 0 ] || fail "$2: exit code $GAME_EXIT"
  if grep -v -E 'XGetInputFocus' "$WORK/stderr" | grep -q .; then fail "$2: $(cat "$WORK/stderr")"; fi
  echo "$2: exit 0 after ${elapsed} ms"
}

# The frame's offsets from the middle of the 800 x 600 screen, twice over: "DX DY".
frame_offset() {
  local left right top bottom
  IFS=', ' read -r left right top bottom < <(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed 's/.*= //')
  read -r x y w h < <(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  echo $((2 * (x - left) + w + left + right - 800)) $((2 * (y - top) + h + top + bottom - 600))
}
centred() { read -r dx dy < <(frame_offset) && [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]; }

start_game "$game"
[ "$WIN_W" -eq 320 ] || fail "window width $WIN_W"
wait_for 10 centred || fail "the frame is off the middle by $(frame_offset) (twice over)"
shot start
convert "$WORK/start.png" -crop 320x240+0+0 +repage "$WORK/start_play.png"
[ "$(differing_pixels "$WORK/start_play.png" "$title")" -eq 0 ] || fail "the title picture is not shown"
[ "$(convert "$WORK/start.png" -crop 320x1+0+240 +repage -format '%[fx:mean]' info:)" = 1 ] || fail "bottom row not white"
xdotool key ctrl+s
sleep 0.6
shot flight
[ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ] || fail "the play area is not black"
[ "$(white_points "$WORK/flight.png")" -ge 10 ] || fail "no white star points ($(white_points "$WORK/flight.png"))"
xdotool key Escape
sleep 0.5
shot after
[ "$(differing_pixels "$WORK/after.png" "$WORK/start.png")" -eq 0 ] || fail "the title did not come back over a white surface"
xdotool windowmove "$WINDOW" 40 40
sleep 0.5
centred && fail "the window went back to the middle after it was moved"
xdotool key ctrl+s
sleep 0.3
close_and_check request "closed in flight"

start_game "$game"
xdotool key ctrl+s
sleep 1.5   # the rocket falls out after 20 frames; the countdown runs three seconds
shot countdown
[ "$(convert "$WORK/countdown.png" -crop 320x27+0+103 +repage -format '%[fx:maxima.r]' info:)" = 1 ] || fail "no Game Over! label"
close_and_check request "closed in the game-over countdown"

start_game "$game"
xdotool key ctrl+s
sleep 0.3
close_and_check menu "quit through the menu during a game"

start_game "$game"
xdotool key ctrl+s
sleep 0.3
choose_menu_item 125 1   # the controls table
sleep 0.5
[ "$(xdotool search --onlyvisible --name '^操作表$' | wc -l)" -ge 1 ] || [ "$(xwininfo -root -children | grep -c '"操作表"')" -ge 1 ] || fail "no help box"
close_and_check request "closed with a help box open during a game"
echo "window tests under Xvfb passed"
