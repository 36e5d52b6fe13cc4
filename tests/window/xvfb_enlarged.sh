#!/usr/bin/env bash
# The real program under a private Xvfb with openbox, enlarged by the window manager: the
# maximise button of the title bar, a maximise request and F11 each give a larger window whose
# client area shows the title in whole-pixel blocks of the largest scale that fits below the
# menu bar, centred on black; a game played maximised is drawn in such blocks; Esc does not
# leave full screen; taken back by the button, a request or F11, the window gives back the
# 320 x 241 client area with the same pixels as at start; dragging the frame's corner grip, or
# the window with Alt and the right button, leaves its size alone.
# Usage: xvfb_enlarged.sh BINARY
set -euo pipefail
game=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
start_openbox
fail() { echo "FAIL: $*"; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

geometry() { xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print w, h, x, y}'; }
at_normal_size() { [ "$(geometry)" = "$NORMAL" ]; }
larger() { read -r w h x y < <(geometry) && [ "$w" -gt "$WIN_W" ] && [ "$h" -gt "$WIN_H" ]; }

# view NAME: the scaled view of the client area below the menu bar, the window where it is now.
view() {
  local w h x y
  read -r w h x y < <(geometry)
  scaled_view "$1" "$w" $((h - MENU_H)) "$x" $((y + MENU_H))
}
title_shown() { view "$1" && title_in_blocks "$1"; }
flying() { view flight && flight_in_blocks flight; }

back_at_start() { at_normal_size && shot now && [ "$(differing_pixels "$WORK/now.png" "$WORK/start.png")" -eq 0 ]; }

# frame_extents: FRAME_RIGHT FRAME_TOP FRAME_BOTTOM of openbox's frame round the window now.
frame_extents() {
  IFS=", " read -r _ FRAME_RIGHT FRAME_TOP FRAME_BOTTOM < <(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed 's/.*= //')
}

# The maximise button, second from the right end of openbox's title bar.
click_maximise_button() {
  local w h x y
  read -r w h x y < <(geometry)
  frame_extents
  xdotool mousemove $((x + w + FRAME_RIGHT - 27)) $((y - FRAME_TOP / 2)) click 1 mousemove 0 0
}

start_game "$game"
NORMAL=$(geometry)
MENU_H=$((WIN_H - 241))
shot start

click_maximise_button
wait_for 5 larger || fail "the maximise button left the window at $(geometry)"
wait_for 5 title_shown maximised || fail "maximised, the title is not shown in ${K} x ${K} blocks centred on black"
echo "maximised: $(geometry), the title in ${K} x ${K} blocks"
xdotool key ctrl+s
wait_for 5 flying || fail "a game played maximised is not drawn in ${K} x ${K} blocks"
xdotool key Escape
wait_for 5 title_shown after_game || fail "Esc did not bring the title back in blocks"
wmctrl -i -r "$WINDOW" -b remove,maximized_vert,maximized_horz
wait_for 5 back_at_start || fail "a request took it out of maximised at $(geometry), not $NORMAL as at start"
wmctrl -i -r "$WINDOW" -b add,maximized_vert,maximized_horz
wait_for 5 larger || fail "a maximise request left the window at $(geometry)"
wait_for 5 title_shown requested || fail "maximised by a request, the title is not shown in ${K} x ${K} blocks"
click_maximise_button
wait_for 5 back_at_start || fail "the button took it out of maximised at $(geometry), not $NORMAL as at start"

xdotool key F11
wait_for 5 larger || fail "F11 left the window at $(geometry)"
wait_for 5 title_shown full_screen || fail "in full screen the title is not shown in ${K} x ${K} blocks centred on black"
echo "full screen: $(geometry), the title in ${K} x ${K} blocks"
xdotool key Escape
sleep 0.3
larger || fail "Esc left full screen"
xdotool key F11
wait_for 5 back_at_start || fail "F11 again left the window at $(geometry), not $NORMAL as at start"

frame_extents
drag $((WIN_X + WIN_W - 5)) $((WIN_Y + WIN_H + FRAME_BOTTOM / 2)) 100
at_normal_size || fail "dragging the corner grip resized the window to $(geometry)"
drag $((WIN_X + WIN_W - 20)) $((WIN_Y + WIN_H - 20)) 100 3 alt
at_normal_size || fail "dragging with Alt and the right button resized the window to $(geometry)"
back_at_start || fail "after the drags the client area is not as at start"
if grep -v -E 'XGetInputFocus' "$WORK/stderr" | grep -q .; then fail "error output: $(cat "$WORK/stderr")"; fi
echo "enlarged window tests under Xvfb passed"
