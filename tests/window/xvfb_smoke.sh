#!/usr/bin/env bash
# The real program in a private Xvfb: title at start, a game after Ctrl+S, the title back
# after Esc, and a clean exit through the menu's quit command.
set -euo pipefail
game=$1
title=$2
source "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_game "$game"
fail() { echo "FAIL: $*"; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

[ "$WIN_W" -eq 320 ] || fail "window width $WIN_W"
shot start
convert "$WORK/start.png" -crop 320x240+0+0 +repage "$WORK/start_play.png"
[ "$(differing_pixels "$WORK/start_play.png" "$title")" -eq 0 ] || fail "the title picture is not shown"
[ "$(convert "$WORK/start.png" -crop 320x1+0+240 +repage -format '%[fx:mean]' info:)" = 1 ] || fail "bottom row not white"

xdotool key ctrl+s
sleep 0.6
shot flight
[ "$(differing_pixels "$WORK/flight.png" "$WORK/start.png")" -gt 5000 ] || fail "the title did not go away"
[ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ] || fail "the play area is not black"
white_points=$(convert "$WORK/flight.png" -fill black +opaque '#FFFFFF' -fill white -opaque '#FFFFFF' -format '%[fx:round(mean*w*h)]' info:)
[ "$white_points" -ge 10 ] || fail "no white star points ($white_points)"

xdotool key Escape
sleep 0.5
shot after
[ "$(differing_pixels "$WORK/after.png" "$WORK/start.png")" -eq 0 ] || fail "the title did not come back over a white surface"

choose_menu_item 20 1
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "exit code $GAME_EXIT after the quit command"
if grep -v -E 'XGetInputFocus' "$WORK/stderr" | grep -q .; then fail "error output: $(cat "$WORK/stderr")"; fi
echo "window smoke test passed"
