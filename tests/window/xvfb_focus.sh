#!/usr/bin/env bash
# Keys let go while another X client has the keyboard, however briefly, on a bare X server or
# with the window manager named (openbox): the other client is a second copy of the program.
set -euo pipefail
game=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
[ "${2:-}" != openbox ] || start_openbox

start_game "$game"
"$game" >/dev/null 2>&1 &
EXTRA_PIDS+=($!)
other_window() { xdotool search --onlyvisible --name '^Skyvane$' | grep -v -x "$WINDOW"; }
wait_for 10 other_window >/dev/null || { echo "FAIL: no second window"; exit 1; }
other=$(other_window | head -n 1)
xdotool windowmove --sync "$other" 0 440   # out of the way of the first window's client area
choose_menu_item 75 1   # 人数設定 → ２人
sleep 0.3
python3 "$(dirname "$0")/focus_round_trip.py" "$WINDOW" "$other" "$CLIENT_X" "$CLIENT_Y"
