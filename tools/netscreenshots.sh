#!/usr/bin/env bash
# Pictures of a net game from the menus, taken of two real programs side by side under a private
# Xvfb with openbox, the host on the left: the host dialog, the host waiting, the join dialog
# with the game it found, both connected, a game held by the joining player's menu with the host
# waiting, and the host once the other player left.
# Usage: tools/netscreenshots.sh BINARY OUTPUT_DIR
set -euo pipefail
game=$(realpath "$1")
out=$2
source "$(dirname "$0")/../scripts/xvfb_session.sh"
start_xvfb
openbox --sm-disable >/dev/null 2>&1 &
EXTRA_PIDS+=("$!")
sleep 1
mkdir -p "$out"
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

shot() { sleep "${2:-0.5}"; import -window root -crop 760x400+0+0 +repage "$out/$1.png"; }
open_window() {  # X: starts a program, moves its window to X and sets WINDOW
  "$game" >>"$WORK/out" 2>>"$WORK/err" &
  EXTRA_PIDS+=("$!")
  sleep 1.5
  WINDOW=$(xdotool search --onlyvisible --name '^Skyvane$' | tail -n 1)
  xdotool windowmove "$WINDOW" "$1" 20
}
choose() {  # WINDOW X ITEM: the net menu's item of the window at X
  xdotool windowactivate --sync "$1"
  xdotool mousemove $(($2 + 222)) 40 click 1
  sleep 0.4
  for ((i = 0; i <= $3; i++)); do xdotool key Down; done
  xdotool key Return
}

open_window 10
host=$WINDOW
open_window 390
joiner=$WINDOW
choose "$host" 10 0
shot host_dialog
xdotool key Return
shot host_waiting
code=$(grep -o 'join code [A-Z0-9]*' "$WORK/out" | cut -d' ' -f3)
choose "$joiner" 390 1
shot join_dialog 1.5
xdotool key Down Tab Tab
xdotool type "$code"
xdotool key Return
shot both_connected 1.5
xdotool windowactivate --sync "$host"
xdotool key ctrl+s
sleep 0.3
xdotool windowactivate --sync "$joiner"
xdotool mousemove $((390 + 222)) 40 click 1
shot joiner_menu_holds_the_game 1
xdotool key Escape
sleep 0.3
xdotool key Escape
choose "$joiner" 390 2
shot other_player_left 1
echo "pictures in $out"
