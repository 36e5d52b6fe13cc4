#!/usr/bin/env bash
# The real program as a native Wayland client of a private weston inside a private Xvfb, under
# the Qt platform name given: it comes up at its size with the title, Ctrl+S starts a game, the
# maximise buttons of the window and of a help box neither end the program nor leave the window
# at another size, F10 reaches the menus, the whole play area is drawn after a help box, and closing the window with the help box open in the middle of a game ends it with exit code 0.
# Usage: wayland_weston.sh BINARY TITLE_PICTURE FIND_PICTURE QT_PLATFORM_NAME
set -euo pipefail
game=$1
title=$2
find_picture=$3
platform=$4
source "$(dirname "$0")/xvfb_lib.sh"
fail() { echo "FAIL ($platform): $*"; cat "$WORK/stderr" 2>/dev/null || true; exit 1; }

start_xvfb
start_weston
env -u DISPLAY QT_QPA_PLATFORM="$platform" "$game" >"$WORK/stdout" 2>"$WORK/stderr" &
GAME_PID=$!

# Qt draws the title bar: 3-pixel borders and a 30-pixel title bar round the 320 x 264 window.
window_up() { read -r W H X Y < <(windows_box) && [ "$W $H" = "326 297" ]; }
wait_for 30 window_up || fail "no 326 x 297 window: $(windows_box)"
client() { import -window root -crop "320x241+$((X + 3))+$((Y + H - 244))" +repage "$WORK/$1.png"; }
client start
convert "$WORK/start.png" -crop 320x240+0+0 +repage "$WORK/start_play.png"
[ "$(differing_pixels "$WORK/start_play.png" "$title")" -eq 0 ] || fail "the title picture is not shown"

# The buttons at the right of an active title bar, to find the help box by later.
buttons() { import -window root -crop "60x20+$((X + W - 68))+$((Y + 5))" +repage "$WORK/$1.png"; }
xdotool mousemove $((X + 160)) $((Y + 150)) click 1 mousemove 0 0
steady_buttons() { buttons active && sleep 0.2 && buttons again &&
  [ "$(differing_pixels "$WORK/active.png" "$WORK/again.png")" -eq 0 ]; }
wait_for 10 steady_buttons || fail "the title bar does not settle"

flying() { client flight && [ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ]; }
xdotool key ctrl+s
wait_for 10 flying || fail "Ctrl+S started no game"

# click_maximise WIDTH X Y: the maximise button of a title bar drawn by Qt, then a short wait for
# the frames that a maximised window would break on.
click_maximise() {
  xdotool mousemove $(($2 + $1 - 40)) $(($3 + 15)) click 1 mousemove 0 0
  sleep 0.5
  kill -0 "$GAME_PID" 2>/dev/null || fail "the maximise button ended the program"
}
click_maximise "$W" "$X" "$Y"
wait_for 5 window_up || fail "the maximise button left the window at another size: $(windows_box)"
cp "$WORK/flight.png" "$WORK/before.png"
still_flying() { flying && [ "$(differing_pixels "$WORK/flight.png" "$WORK/before.png")" -gt 0 ]; }
wait_for 10 still_flying || fail "the game stopped after the maximise button"

# F10 opens the first menu; the key is held until it shows, as weston grants a menu only to the
# latest key event. Then, in a game started afresh, the how-to-play box from the third menu.
# menu_open LEFT: a light menu lies over the client area LEFT pixels from its left edge.
menu_open() { client menu && [ "$(convert "$WORK/menu.png" -crop "30x20+$1+4" +repage -format '%[fx:mean]' info:)" \> 0.5 ]; }
xdotool keydown F10
wait_for 10 menu_open 4 || fail "F10 opened no menu"
xdotool keyup F10 key Escape key ctrl+s
open_help_box() {
  xdotool mousemove $((X + 143)) $((Y + 44)) click 1 mousemove 0 0  # the title ヘルプ
  wait_for 10 menu_open 195 || fail "the third menu did not open"
  xdotool key Down Return
  box_up() {
    import -window root "$WORK/screen.png"
    read -r BX BY < <("$find_picture" "$WORK/screen.png" "$WORK/active.png" | grep -v "^$((X + W - 68)) $((Y + 5))\$")
  }
  wait_for 10 box_up || fail "no help box"
}
open_help_box
click_maximise 68 "$BX" $((BY - 5))
# Activating the window and then the box repaints the box's title bar: a maximised box breaks there.
xdotool mousemove $((X + 160)) $((Y + 150)) click 1 sleep 0.3 mousemove $((BX + 20)) $((BY + 45)) click 1 mousemove 0 0
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the box's maximise button ended the program"
xdotool key Return
box_gone() { import -window root "$WORK/screen.png" && ! "$find_picture" "$WORK/screen.png" "$WORK/active.png" | grep -qv "^$((X + W - 68)) $((Y + 5))\$"; }
wait_for 5 box_gone || fail "Return did not dismiss the help box"

# After the box the whole play area is drawn again, its bottom rows as tall as the menu bar too:
# a game runs there, and Esc brings back the whole title picture.
xdotool key ctrl+s
wait_for 10 flying || fail "no game after the help box"
xdotool key Escape
title_back() { client back && convert "$WORK/back.png" -crop 320x240+0+0 +repage "$WORK/back_play.png" &&
  [ "$(differing_pixels "$WORK/back_play.png" "$title")" -eq 0 ]; }
wait_for 5 title_back || fail "after a help box the play area is not drawn whole: $(differing_pixels "$WORK/back_play.png" "$title") pixels differ from the title"
xdotool key ctrl+s

open_help_box
xdotool mousemove $((X + W - 17)) $((Y + 15)) click 1
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "exit code $GAME_EXIT after closing with the help box open"
if grep -q . "$WORK/stderr"; then fail "error output"; fi
echo "Wayland test passed ($platform)"
