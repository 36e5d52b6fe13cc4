#!/usr/bin/env bash
# Two real programs, each on its own X server, started with no options: one hosts from its net
# menu, the other finds that game in its join dialog and joins it without an address typed, by
# the keyboard. A game is played with a key from each side; the joining side leaves from its
# menu; the host says so, and the same player joins again.
# Usage: xvfb_net_menu.sh BINARY TITLE_PICTURE FIND_PICTURE
set -euo pipefail
game=$1
title=$2
FIND_PICTURE=$3
source "$(dirname "$0")/xvfb_lib.sh"
source "$(dirname "$0")/two_machines.sh"
fail() { echo "FAIL: $*"; for f in "$WORK"/*.err "$WORK"/*.out; do echo "== $f"; cat "$f"; done; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

on_host "$game" >"$WORK/host.out" 2>"$WORK/host.err" &
HOST_PID=$!
on_joiner "$game" >"$WORK/join.out" 2>"$WORK/join.err" &
JOIN_PID=$!
EXTRA_PIDS+=("$HOST_PID" "$JOIN_PID")
wait_for 20 titled on_host '^Skyvane$' || fail "no window on the host"
wait_for 20 titled on_joiner '^Skyvane$' || fail "no window on the joining machine"
HOST_WINDOW=$(window_named on_host '^Skyvane$')
JOIN_WINDOW=$(window_named on_joiner '^Skyvane$')
wait_for 10 locate_client host "$title" || fail "no title picture on the host"
wait_for 10 locate_client joiner "$title" || fail "no title picture on the joining machine"

# ネット対戦 → ホストになる, and 開始 in the dialog: the default port.
choose host "$HOST_WINDOW" "$NET_MENU_X" 0
wait_for 10 titled on_host '^ホストになる$' || fail "no host dialog"
on_host xdotool key Return
wait_for 10 titled on_host '^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P$' || fail "the host is not hosting"
code=$(grep -o 'join code [A-Z0-9]*' "$WORK/host.out" | cut -d' ' -f3)

# join_from_the_list: ネット対戦 → 参加する; the first game found is chosen by the arrow keys,
# the code typed and Return pressed.
join_from_the_list() {
  choose joiner "$JOIN_WINDOW" "$NET_MENU_X" 1
  wait_for 10 titled on_joiner '^参加する$' || fail "no join dialog"
  sleep 1.5   # the network answers within a second
  on_joiner xdotool key Down Tab Tab
  on_joiner xdotool type "$code"
  on_joiner xdotool key Return
  wait_for 10 titled on_joiner '^Skyvane - 2P, with 1P$' || fail "the joining machine did not join the game found"
  wait_for 5 titled on_host '^Skyvane - 1P, with 2P$' || fail "the host does not say 2P is there"
}
join_from_the_list

on_host xdotool key ctrl+s
wait_for 10 flying host || fail "Ctrl+S on the host started no game there"
wait_for 10 flying joiner || fail "Ctrl+S on the host started no game on the joining machine"
on_joiner xdotool key Escape
wait_for 5 title_shown joiner "$title" || fail "Esc on the joining machine did not end the game there"
wait_for 5 title_shown host "$title" || fail "Esc on the joining machine did not end the game on the host"

# ネット対戦 → ネット対戦をやめる on the joining side.
choose joiner "$JOIN_WINDOW" "$NET_MENU_X" 2
wait_for 5 titled on_joiner '^Skyvane$' || fail "the joining window did not leave"
wait_for 5 titled on_host '^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P \(the other player left\)$' ||
  fail "the host does not say the other player left"
join_from_the_list
kill -0 "$HOST_PID" && kill -0 "$JOIN_PID" || fail "a program ended"
echo "net game from the menus passed"
