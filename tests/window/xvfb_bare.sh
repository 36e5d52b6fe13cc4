#!/usr/bin/env bash
# The real program on a bare X server, with no window manager to hand the keyboard around: a help
# box chosen from the menu takes the keyboard, Return dismisses it, and then the keyboard is the
# window's again (Ctrl+S starts a game, Esc ends it), also after a box in the middle of a game.
# Keys are let go while a second copy of the program has the keyboard.
# Usage: xvfb_bare.sh BINARY
set -euo pipefail
game=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb

box_has_keyboard() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = 遊び方 ]; }

start_game "$game"
shot start
choose_menu_item 143 0   # ヘルプ → 遊び方
wait_for 10 visible 遊び方 || fail "no help box"
wait_for 5 box_has_keyboard || fail "the help box does not have the keyboard: $(xdotool getwindowfocus getwindowname 2>&1)"
xdotool key Return
wait_for 5 not visible 遊び方 || fail "Return did not dismiss the box"
xdotool key ctrl+s
wait_for 5 flying || fail "the keyboard did not come back to the window: Ctrl+S started no game"
xdotool key Escape
wait_for 5 as_at_start || fail "Esc did not end the game"

xdotool key ctrl+s
wait_for 5 flying || fail "no second game"
choose_menu_item 143 1   # ヘルプ → 操作表, in the middle of the game
wait_for 10 visible 操作表 || fail "no controls table"
xdotool key Escape
wait_for 5 not visible 操作表 || fail "Esc did not dismiss the box"
xdotool key Escape
wait_for 5 as_at_start || fail "after the box, Esc did not reach the game"
keys_let_go_away
echo "bare X server test passed"
