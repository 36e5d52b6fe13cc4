#!/usr/bin/env bash
# The real program as a Wayland client of a private weston in a private Xvfb, under the Qt
# platform name given: its size and title, games, the maximise buttons of the window and of a
# help box both ways (the game drawn in whole-pixel blocks), borders that do not resize, F10,
# the play area after a help box, F11 both ways, and a close with a help box open.
# Usage: wayland_weston.sh BINARY TITLE_PICTURE FIND_PICTURE QT_PLATFORM_NAME
set -euo pipefail
game=$1
title=$2
find_picture=$3
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb

# Weston fills the screen with a plain desktop and no panel, on a private runtime folder and
# socket: everything on screen not of the desktop's colour is a window.
desktop='#204060'
export WAYLAND_DISPLAY=skyvane-test
printf '[shell]\nbackground-color=0xff%s\npanel-position=none\nlocking=false\n' "${desktop#\#}" >"$WORK/weston.ini"
weston --backend=x11-backend.so --width=800 --height=600 --use-pixman --idle-time=0 \
  --socket="$WAYLAND_DISPLAY" --config="$WORK/weston.ini" >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
desktop_shown() {
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] &&
    [ "$(import -window root -crop 1x1+799+599 -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}')" = "$desktop" ]
}
wait_for 30 desktop_shown || fail "weston did not start: $(cat "$WORK/weston.log")"
xdotool mousemove 5 5 mousemove 0 0   # weston follows the X pointer by its moves: from a corner on, in step

# windows_box: "W H X Y" of everything on the desktop but the pointer, resting in the top left corner.
windows_box() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -fill "$desktop" -draw 'rectangle 0,0 39,39' -fill black -opaque "$desktop" \
    -trim -format '%w %h %[fx:page.x] %[fx:page.y]\n' info: 2>/dev/null
}

env -u DISPLAY QT_QPA_PLATFORM="$4" "$game" >"$WORK/stdout" 2>"$WORK/stderr" &
GAME_PID=$!
# Qt draws the title bar: 3-pixel borders and a 30-pixel title bar round the 320 x 264 window.
window_up() {
  read -r W H X Y < <(windows_box) && [ "$W $H" = "326 297" ] && CLIENT_X=$((X + 3)) CLIENT_Y=$((Y + H - 244))
}
wait_for 30 window_up || fail "no 326 x 297 window: $(windows_box)"
MENU_H=$((H - 30 - 241 - 3))
title_shown || fail "the title picture is not shown"
cp "$WORK/now.png" "$WORK/start.png"

# The buttons at the right of an active title bar, to find the help box by later.
buttons() { import -window root -crop "60x20+$((X + W - 68))+$((Y + 5))" +repage "$WORK/$1.png"; }
xdotool mousemove $((X + 160)) $((Y + 150)) click 1 mousemove 0 0
steady_buttons() { buttons active && sleep 0.2 && buttons again &&
  [ "$(differing_pixels "$WORK/active.png" "$WORK/again.png")" -eq 0 ]; }
wait_for 10 steady_buttons || fail "the title bar does not settle"

xdotool key ctrl+s
wait_for 10 flying || fail "Ctrl+S started no game"

# click_maximise WIDTH X Y: the maximise button of a title bar drawn by Qt, then a short wait for
# the frames that a maximised window would break on.
click_maximise() {
  xdotool mousemove $(($2 + $1 - 40)) $(($3 + 15)) click 1 mousemove 0 0 sleep 0.5
  kill -0 "$GAME_PID" 2>/dev/null || fail "the maximise button ended the program"
}
# Maximised, the window fills the screen: borders and title bar, the menu bar, and below it the
# client area, where the game goes on in whole-pixel blocks.
click_maximise "$W" "$X" "$Y"
xdotool key ctrl+s  # a new game: the checks below see flight or the game-over countdown
whole_screen() { [ "$(windows_box)" = "800 600 0 0" ]; }
wait_for 5 whole_screen || fail "the maximise button did not maximise the window: $(windows_box)"
maximised_flying() { scaled_view flight 794 $((600 - 33 - MENU_H)) 3 $((30 + MENU_H)) && flight_in_blocks flight; }
wait_for 10 maximised_flying || fail "maximised, the game is not drawn in ${K} x ${K} blocks centred on black"
cp "$WORK/flight.png" "$WORK/before.png"
still_flying() { maximised_flying && [ "$(differing_pixels "$WORK/flight.png" "$WORK/before.png")" -gt 0 ]; }
wait_for 10 still_flying || fail "the game stopped in the maximised window"
click_maximise 800 0 0
wait_for 5 window_up || fail "the maximise button did not give the window back at its size: $(windows_box)"
xdotool key ctrl+s
wait_for 10 flying || fail "no game in the window given back"
# Qt's title bar would start a resize from the outer pixels of its borders: they take no input.
for border in "$((X + W - 2)) $((Y + H - 2))" "$((X + W - 2)) $((Y + 100))" "$((X + 100)) $((Y + 1))"; do
  drag $border 60
  window_up || fail "dragging the border at $border resized the window: $(windows_box)"
done

# F10 opens the first menu; the key is held until it shows, as weston grants a menu only to the
# latest key event. Then, in a game started afresh, the how-to-play box from the third menu.
# menu_open LEFT: a light menu lies over the client area LEFT pixels from its left edge.
menu_open() { shot menu && [ "$(convert "$WORK/menu.png" -crop "30x20+$1+4" +repage -format '%[fx:mean]' info:)" \> 0.5 ]; }
xdotool keydown F10
wait_for 10 menu_open 4 || fail "F10 opened no menu"
xdotool keyup F10 key Escape key ctrl+s
# box_up: BX BY, where title bar buttons other than the window's are, those of the help box.
box_up() {
  import -window root "$WORK/screen.png"
  read -r BX BY < <("$find_picture" "$WORK/screen.png" "$WORK/active.png" | grep -v "^$((X + W - 68)) $((Y + 5))\$")
}
open_help_box() {
  xdotool mousemove $((X + 143)) $((Y + 44)) click 1 mousemove 0 0  # the title ヘルプ
  wait_for 10 menu_open 195 || fail "the third menu did not open"
  xdotool key Down Return
  wait_for 10 box_up || fail "no help box"
}
open_help_box
click_maximise 68 "$BX" $((BY - 5))
wait_for 5 whole_screen || fail "the box's maximise button did not maximise it: $(windows_box)"
click_maximise 800 0 0
wait_for 10 box_up || fail "the box's maximise button did not give the box back"
# Activating the window and then the box repaints the box's title bar: a box at another size
# than it commits breaks there.
xdotool mousemove $((X + 160)) $((Y + 150)) click 1 sleep 0.3 mousemove $((BX + 20)) $((BY + 45)) click 1 \
  mousemove 0 0 sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the box ended the program"
xdotool key Return
wait_for 5 not box_up || fail "Return did not dismiss the help box"

# After the box the whole play area is drawn again, its bottom rows as tall as the menu bar too:
# a game runs there, and Esc brings back the whole title picture.
xdotool key ctrl+s
wait_for 10 flying || fail "no game after the help box"
xdotool key Escape
wait_for 5 title_shown || fail "after a help box, $(differing_pixels "$WORK/play.png" "$title") title pixels differ"

# In full screen Qt draws no title bar: the menu bar at the top, below it the client area.
xdotool key F11
full_screen_title() { scaled_view full_screen 800 $((600 - MENU_H)) 0 "$MENU_H" && title_in_blocks full_screen; }
wait_for 5 full_screen_title || fail "in full screen the title is not shown in ${K} x ${K} blocks centred on black: $(windows_box)"
xdotool key F11
wait_for 5 window_up || fail "F11 again did not give the window back at its size: $(windows_box)"
xdotool key ctrl+s

open_help_box
xdotool mousemove $((X + W - 17)) $((Y + 15)) click 1
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "exit code $GAME_EXIT after closing with the help box open"
[ ! -s "$WORK/stderr" ] || fail "error output"
echo "Wayland test passed ($4)"
