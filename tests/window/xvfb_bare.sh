#!/usr/bin/env bash
# The real program on a bare X server, with no window manager to hand the keyboard around: a help
# box chosen from the menu takes the keyboard, Return dismisses it, and then the keyboard is the
# window's again (Ctrl+S starts a game, Esc ends it), also after a box in the middle of a game.
set -euo pipefail
game=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
fail() { echo "FAIL: $*"; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

box_shown() { xdotool search --onlyvisible --name '^遊び方$' >/dev/null 2>&1; }
box_has_keyboard() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = 遊び方 ]; }
flying() { shot flight && [ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ]; }
title_shown() { shot now && [ "$(differing_pixels "$WORK/now.png" "$WORK/start.png")" -eq 0 ]; }

start_game "$game"
shot start
choose_menu_item 143 0   # ヘルプ → 遊び方
wait_for 10 box_shown || fail "no help box"
wait_for 5 box_has_keyboard || fail "the help box does not have the keyboard: $(xdotool getwindowfocus getwindowname 2>&1)"
xdotool key Return
wait_for 5 sh -c '! xdotool search --onlyvisible --name "^遊び方$" >/dev/null 2>&1' || fail "Return did not dismiss the box"
xdotool key ctrl+s
wait_for 5 flying || fail "the keyboard did not come back to the window: Ctrl+S started no game"
xdotool key Escape
wait_for 5 title_shown || fail "Esc did not end the game"

xdotool key ctrl+s
wait_for 5 flying || fail "no second game"
choose_menu_item 143 1   # ヘルプ → 操作表, in the middle of the game
wait_for 10 sh -c 'xdotool search --onlyvisible --name "^操作表$" >/dev/null 2>&1' || fail "no controls table"
xdotool key Escape
wait_for 5 sh -c '! xdotool search --onlyvisible --name "^操作表$" >/dev/null 2>&1' || fail "Esc did not dismiss the box"
xdotool key Escape
wait_for 5 title_shown || fail "after the box, Esc did not reach the game"
choose_menu_item 20 1   # ゲーム → 終わる
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "exit code $GAME_EXIT after 終わる"
echo "bare X server test passed"
