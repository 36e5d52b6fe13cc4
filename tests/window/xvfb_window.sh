#!/usr/bin/env bash
# The real program in a private Xvfb with openbox: centred, the title, a game, Esc. Maximised by
# the button or a request and in full screen (F11; Esc does not leave it) the title and a game
# show in whole-pixel blocks centred on black, and back the client area is as at start; drags
# never resize. Closed in flight, in the countdown, by the quit command, with a help box open and
# at --scale 2 (twice as large, in 2 x 2 blocks) it ends at once with 0. Keys let go elsewhere.
# Usage: xvfb_window.sh BINARY TITLE_PICTURE
set -euo pipefail
game=$1
title=$2
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
start_openbox

# closed request|menu LABEL: the window manager's close request or the quit command ends the
# program with exit code 0 within 2 s, with nothing on stderr.
closed() {
  if [ "$1" = request ]; then wmctrl -i -c "$WINDOW"; else choose_menu_item 20 1; fi
  wait_exit 2
  [ "$GAME_EXIT" = 0 ] || fail "$2: exit code $GAME_EXIT"
  [ -z "$(grep -v XGetInputFocus "$WORK/stderr")" ] || fail "$2: error output"
}

# frame: W H X Y of the window and LEFT RIGHT TOP BOTTOM, the widths of openbox's frame round it.
frame() {
  read -r w h x y < <(geometry)
  IFS=', ' read -r left right top bottom < <(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed 's/.*= //')
}
# The frame's offsets from the middle of the 800 x 600 screen, twice over: "DX DY".
frame_offset() { frame && echo $((2 * x + w - left + right - 800)) $((2 * y + h - top + bottom - 600)); }
centred() { read -r dx dy < <(frame_offset) && [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]; }
larger() { frame && [ "$w" -gt "$WIN_W" ] && [ "$h" -gt "$WIN_H" ]; }
at_normal_size() { [ "$(geometry)" = "$NORMAL" ]; }
back_at_start() { at_normal_size && as_at_start; }
# view NAME CHECK: the scaled view of the client area below the menu bar, as it is now, passes the
# check (title_in_blocks or flight_in_blocks).
view() { frame && scaled_view "$1" "$w" $((h - MENU_H)) "$x" $((y + MENU_H)) && "$2" "$1"; }
click_maximise_button() {  # second from the right end of openbox's title bar
  frame && xdotool mousemove $((x + w + right - 27)) $((y - top / 2)) click 1 mousemove 0 0
}

start_game "$game"
[ "$WIN_W" -eq 320 ] || fail "window width $WIN_W"
wait_for 10 centred || fail "the frame is off the middle by $(frame_offset) (twice over)"
NORMAL=$(geometry)
MENU_H=$((WIN_H - 241))
title_shown || fail "the title picture is not shown"
cp "$WORK/now.png" "$WORK/start.png"
[ "$(convert "$WORK/start.png" -crop 320x1+0+240 +repage -format '%[fx:mean]' info:)" = 1 ] || fail "bottom row not white"
xdotool key ctrl+s sleep 0.6
flying || fail "the play area is not black"
[ "$(white_points "$WORK/flight.png")" -ge 10 ] || fail "no white star points ($(white_points "$WORK/flight.png"))"
xdotool key Escape
wait_for 5 as_at_start || fail "the title did not come back over a white surface"

click_maximise_button
wait_for 5 larger || fail "the maximise button left the window at $(geometry)"
wait_for 5 view maximised title_in_blocks || fail "maximised, the title is not in ${K} x ${K} blocks on black"
xdotool key ctrl+s
wait_for 5 view flight flight_in_blocks || fail "a game played maximised is not drawn in ${K} x ${K} blocks"
xdotool key Escape
wait_for 5 view after_game title_in_blocks || fail "Esc did not bring the title back in blocks"
wmctrl -i -r "$WINDOW" -b remove,maximized_vert,maximized_horz
wait_for 5 back_at_start || fail "a request took it out of maximised at $(geometry), not $NORMAL as at start"
wmctrl -i -r "$WINDOW" -b add,maximized_vert,maximized_horz
wait_for 5 larger || fail "a maximise request left the window at $(geometry)"
wait_for 5 view requested title_in_blocks || fail "maximised by a request, not in ${K} x ${K} blocks"
click_maximise_button
wait_for 5 back_at_start || fail "the button took it out of maximised at $(geometry), not $NORMAL as at start"
xdotool key F11
wait_for 5 larger || fail "F11 left the window at $(geometry)"
wait_for 5 view full_screen title_in_blocks || fail "in full screen the title is not in ${K} x ${K} blocks on black"
xdotool key Escape sleep 0.3
larger || fail "Esc left full screen"
xdotool key F11
wait_for 5 back_at_start || fail "F11 again left the window at $(geometry), not $NORMAL as at start"
frame
drag $((WIN_X + WIN_W - 5)) $((WIN_Y + WIN_H + bottom / 2)) 100
at_normal_size || fail "dragging the corner grip resized the window to $(geometry)"
drag $((WIN_X + WIN_W - 20)) $((WIN_Y + WIN_H - 20)) 100 3 alt
at_normal_size || fail "dragging with Alt and the right button resized the window to $(geometry)"
back_at_start || fail "after the drags the client area is not as at start"

xdotool windowmove "$WINDOW" 40 40 sleep 0.5
centred && fail "the window went back to the middle after it was moved"
xdotool key ctrl+s sleep 0.3
closed request "closed in flight"

start_game "$game"
xdotool key ctrl+s sleep 1.5   # the rocket falls out after 20 frames; the countdown runs three seconds
shot countdown
[ "$(convert "$WORK/countdown.png" -crop 320x27+0+103 +repage -format '%[fx:maxima.r]' info:)" = 1 ] || fail "no Game Over! label"
closed request "closed in the game-over countdown"

start_game "$game"
xdotool key ctrl+s sleep 0.3
closed menu "quit through the menu during a game"

start_game "$game"
xdotool key ctrl+s sleep 0.3
choose_menu_item 125 1   # the controls table
wait_for 5 visible 操作表 || fail "no help box"
closed request "closed with a help box open during a game"

start_game "$game" --scale 2
[ "$WIN_W" -eq 640 ] || fail "at --scale 2 the window is $WIN_W wide, not 640"
[ $((WIN_H % 2)) -eq 0 ] && [ "$WIN_H" -ge $((2 * 241 + 2 * 20)) ] || fail "window height $WIN_H: the menu bar is not twice as tall"
scaled_view scaled 640 482 "$WIN_X" $((WIN_Y + WIN_H - 482))
title_in_blocks scaled || fail "at --scale 2 the client area is not the one at start in 2 x 2 blocks"
closed request "closed at --scale 2"

start_game "$game"
keys_let_go_away
echo "window tests under Xvfb passed"
