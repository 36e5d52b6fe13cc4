#!/usr/bin/env bash
# Two real programs, each on its own X server with openbox, as on two machines. One, started
# plainly, hosts from its net menu; a join with a wrong code is refused on both sides; another
# joins from the command line. Each player's key moves that player's rocket on both screens;
# while one machine has a menu open the other says it is waiting; Esc on the joining side brings
# the title back on both; closing that window ends its program with 0 and the host says so. A
# program started plainly then finds the game in its join dialog and joins it without an
# address typed, a game is played with a key from each side, and it leaves from its menu; the
# host says so, and the same player joins again.
# Usage: xvfb_net.sh BINARY TITLE_PICTURE FIND_PICTURE
set -euo pipefail
game=$1
title=$2
FIND_PICTURE=$3
source "$(dirname "$0")/xvfb_lib.sh"
source "$(dirname "$0")/two_machines.sh"
fail() { echo "FAIL: $*"; for f in "$WORK"/*.err "$WORK"/*.out; do echo "== $f"; cat "$f"; done; cp "$WORK"/*.png /tmp/ 2>/dev/null || true; exit 1; }

# rocket_edges PICTURE: "R1_LEFT R2_RIGHT", the left edge of player 1's rocket and the right
# edge of player 2's, from the rockets' neutral greys (meteors are bluish, stars pure white),
# leaving out the rows of an open menu and of the message label.
rocket_edges() {
  convert "$1" -crop 320x240+0+0 +repage -depth 8 txt:- | awk -F'[,: ()]+' '
    NR > 1 && $2 >= 60 && ($2 < 100 || $2 > 132) && $3 == $4 && $4 == $5 && $3 >= 60 && $3 <= 250 {
      if ($1 >= 120) { if (left == "" || $1 < left) left = $1 } else if ($1 > right) right = $1 }
    END { print (left == "" ? 999 : left), (right == "" ? -1 : right) }'
}

on_host "$game" >"$WORK/host.out" 2>"$WORK/host.err" &
HOST_PID=$!
EXTRA_PIDS+=("$HOST_PID")
wait_for 20 titled on_host '^Skyvane$' || fail "no window on the host"
HOST_WINDOW=$(window_named on_host '^Skyvane$')
wait_for 10 locate_client host "$title" || fail "no title picture on the host"
# ネット対戦 → ホストになる, and 開始 in the dialog: the default port.
choose host "$HOST_WINDOW" "$NET_MENU_X" 0
wait_for 10 titled on_host '^ホストになる$' || fail "no host dialog"
on_host xdotool key Return
wait_for 10 titled on_host '^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P$' || fail "the host is not hosting"
port=28710
code=$(grep -o 'join code [A-Z0-9]*' "$WORK/host.out" | head -n 1 | cut -d' ' -f3)
grep -q -- "--join [0-9.]*:$port --code $code" "$WORK/host.out" || fail "no address to give: $(cat "$WORK/host.out")"

wrong=$([ "$code" = K7PQ ] && echo K7PA || echo K7PQ)
status=0
on_joiner "$game" --join "127.0.0.1:$port" --code "$wrong" >/dev/null 2>"$WORK/wrong.err" || status=$?
[ "$status" = 5 ] || fail "a wrong code ended with $status"
grep -q "cannot join 127.0.0.1:$port: the join code was wrong" "$WORK/wrong.err" || fail "wrong code: $(cat "$WORK/wrong.err")"
wait_for 5 grep -q 'refused a machine at 127.0.0.1: the join code was wrong' "$WORK/host.err" || fail "the host did not say"

on_joiner "$game" --join "127.0.0.1:$port" --code "$code" >"$WORK/join.out" 2>"$WORK/join.err" &
JOIN_PID=$!
EXTRA_PIDS+=("$JOIN_PID")
wait_for 20 titled on_joiner '^Skyvane - 2P, with 1P$' || fail "the joining window's title"
wait_for 5 titled on_host '^Skyvane - 1P, with 2P$' || fail "the host's title does not say 2P is there"
JOIN_WINDOW=$(window_named on_joiner '^Skyvane - 2P')
wait_for 10 locate_client joiner "$title" || fail "no title picture on the joining machine"
on_host xdotool windowfocus --sync "$HOST_WINDOW"
on_joiner xdotool windowfocus --sync "$JOIN_WINDOW"

# Player 1 holds right, player 2 left (the arrows fly player 2 on the joining machine), held
# from the start. The joining machine opens a menu a few frames in and so holds the game; the
# host runs on to eight frames past the other's inputs and waits, both screens still.
moved() {  # SIDE: player 1's rocket right of its start, player 2's left of its
  read -r r1 r2 < <(rocket_edges "$WORK/$1.png")
  [ "$r1" -ge 154 ] && [ "$r1" -lt 999 ] && [ "$r2" -le 84 ] && [ "$r2" -ge 0 ]
}
waiting_said() { client host waiting && [ "$(convert "$WORK/waiting.png" -crop 320x27+0+103 +repage -fill black +opaque '#FFFFFF' -format '%[fx:round(mean*w*h)]' info:)" -ge 20 ]; }
for attempt in 1 2 3; do
  on_host xdotool keyup Right keydown Right   # a key held in a menu is let go once it closes
  on_joiner xdotool keyup Left keydown Left
  on_host xdotool key ctrl+s
  sleep 0.1
  on_joiner xdotool key F10
  sleep 0.6
  client host host_held
  client joiner joiner_held
  if moved host_held && moved joiner_held; then break; fi
  echo "attempt $attempt: host $(rocket_edges "$WORK/host_held.png"), joiner $(rocket_edges "$WORK/joiner_held.png")"
  [ "$attempt" -lt 3 ] || fail "the rockets did not move as their players steered on both screens"
  on_joiner xdotool key Escape key Escape
  wait_for 5 title_shown host "$title" || fail "no title after an attempt"
done
wait_for 5 waiting_said || fail "the host does not say it waits for 2P"
on_joiner xdotool key Escape   # the menu closes and the game goes on
sleep 0.3
on_joiner xdotool key Escape   # Esc on the joining side ends the game on both
wait_for 5 title_shown joiner "$title" || fail "Esc did not bring the title back on the joining side"
wait_for 5 title_shown host "$title" || fail "Esc on the joining side did not bring the title back on the host"
on_host xdotool keyup Right
on_joiner xdotool keyup Left

on_joiner wmctrl -i -c "$JOIN_WINDOW"
status=timeout
for _ in $(seq 50); do
  if ! kill -0 "$JOIN_PID" 2>/dev/null; then status=0; wait "$JOIN_PID" || status=$?; break; fi
  sleep 0.1
done
[ "$status" = 0 ] || fail "closing the joining window ended it with $status"
forget_pid "$JOIN_PID"
wait_for 3 titled on_host '^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P \(the other player left\)$' ||
  fail "the host does not say the other player left: $(on_host xdotool getwindowname "$HOST_WINDOW")"
kill -0 "$HOST_PID" || fail "the host ended"

# The other player again, in a program started plainly, from the game its join dialog finds.

on_joiner "$game" >"$WORK/join2.out" 2>"$WORK/join2.err" &
JOIN_PID=$!
EXTRA_PIDS+=("$JOIN_PID")
wait_for 20 titled on_joiner '^Skyvane$' || fail "no window on the joining machine"
JOIN_WINDOW=$(window_named on_joiner '^Skyvane$')
wait_for 10 locate_client joiner "$title" || fail "no title picture on the joining machine"

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
echo "net game on two X servers passed"
