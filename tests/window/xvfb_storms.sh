#!/usr/bin/env bash
# The real program under Xvfb: Ctrl+S held with auto-repeat during a game, then the window
# closed in flight, in the game-over countdown, through the quit command and with a help box
# open. Every close must end the process promptly with exit code 0 and nothing on stderr.
set -euo pipefail
game=$1
title=$2
close_tool=$3
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
fail() { echo "FAIL: $*"; exit 1; }

# close_and_check HOW LABEL: closes the window, expects exit code 0 within 2 s.
close_and_check() {
  local started=$(date +%s%N)
  case "$1" in
    request) "$close_tool" "$WINDOW" ;;
    menu) choose_menu_item 20 1 ;;
  esac
  wait_exit 2
  local elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
  [ "$GAME_EXIT" = 0 ] || fail "$2: exit code $GAME_EXIT"
  if grep -v -E 'XGetInputFocus' "$WORK/stderr" | grep -q .; then fail "$2: $(cat "$WORK/stderr")"; fi
  echo "$2: exit 0 after ${elapsed} ms"
}

# Ctrl+S held for three seconds restarts the game on every repeat; Esc then ends it.
start_game "$game"
xdotool key ctrl+s
sleep 0.3
xdotool keydown ctrl+s
sleep 3
xdotool keyup ctrl+s
sleep 0.3
shot during
xdotool key Escape
sleep 0.5
shot title
kill -0 "$GAME_PID" || fail "the program died during the restart storm"
convert "$WORK/title.png" -crop 320x240+0+0 +repage "$WORK/title_play.png"
[ "$(differing_pixels "$WORK/title_play.png" "$title")" -eq 0 ] || fail "no title after Esc"
close_and_check request "after the restart storm"

start_game "$game"
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
echo "storm tests passed"
