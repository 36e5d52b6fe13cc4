#!/usr/bin/env bash
# Two real programs on two X servers with openbox, as on two machines: one hosts from its menu;
# a wrong code is refused on both sides; one joins from the command line: each player's key moves
# that player's rocket on both screens, a menu on one side makes the other wait and say so, Esc
# ends the game on both, a close leaves the host saying so. Another finds the game in its join
# dialog, plays a key from each side, leaves by the menu, the host says so, and joins again.
# Usage: xvfb_net.sh BINARY TITLE_PICTURE FIND_PICTURE
set -euo pipefail
game=$1
title=$2
find_picture=$3
source "$(dirname "$0")/xvfb_lib.sh"

# Two X servers with openbox stand for the two machines; a SIDE is host or joiner.
for side in host joiner; do
  start_xvfb
  start_openbox
  printf -v "display_$side" %s "$DISPLAY"
done
# on SIDE COMMAND...: the command on that side's display, CLIENT_X CLIENT_Y its client area's.
on() {
  local display=display_$1 x=X_$1 y=Y_$1
  DISPLAY=${!display} CLIENT_X=${!x:-} CLIENT_Y=${!y:-} "${@:2}"
}


# window_named SIDE PATTERN: the id of the visible window whose title matches.
window_named() { on "$1" xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1; }
titled() { [ -n "$(window_named "$1" "$2")" ]; }
other_left='^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P \(the other player left\)$'

# locate_client SIDE: X_SIDE Y_SIDE, where that side's client area is, found by the title
# picture it shows since a status line may lie below it; false while it is not shown.
locate_client() {
  on "$1" import -window root "$WORK/screen_$1.png"
  read -r "X_$1" "Y_$1" < <("$find_picture" "$WORK/screen_$1.png" "$title" | head -n 1)
}

# up SIDE NAME TITLE_PATTERN [ARGUMENTS...]: the program started on that side, its output in
# $WORK/NAME.*, shows a window so titled and the title picture; sets PID and WINDOW.
up() {
  on "$1" "$game" "${@:4}" >"$WORK/$2.out" 2>"$WORK/$2.err" &
  PID=$!
  EXTRA_PIDS+=("$PID")
  wait_for 20 titled "$1" "$3" || fail "no window titled $3 on the $1's screen"
  WINDOW=$(window_named "$1" "$3")
  wait_for 10 locate_client "$1" || fail "no title picture on the $1's screen"
}
NET_MENU_X=222  # the net menu's title, right of ヘルプ

# rocket_edges PICTURE: "R1_LEFT R2_RIGHT", the left edge of player 1's rocket and the right edge of
# player 2's by their neutral greys (meteors are bluish, stars white), but in an open menu's and
# the message label's rows.
rocket_edges() {
  convert "$1" -crop 320x240+0+0 +repage -depth 8 txt:- | awk -F'[,: ()]+' '
    NR > 1 && $2 >= 60 && ($2 < 100 || $2 > 132) && $3 == $4 && $4 == $5 && $3 >= 60 && $3 <= 250 {
      if ($1 >= 120) { if (left == "" || $1 < left) left = $1 } else if ($1 > right) right = $1 }
    END { print (left == "" ? 999 : left), (right == "" ? -1 : right) }'
}

up host host '^Skyvane$'
HOST_PID=$PID HOST_WINDOW=$WINDOW
# ネット対戦 → ホストになる, and 開始 in the dialog: the default port.
on host choose_menu_item "$NET_MENU_X" 0 "$HOST_WINDOW"
wait_for 10 titled host '^ホストになる$' || fail "no host dialog"
on host xdotool key Return
wait_for 10 titled host '^Skyvane - 1P, hosting with code [A-Z0-9]*: waiting for 2P$' || fail "the host is not hosting"
port=28710
code=$(grep -o 'join code [A-Z0-9]*' "$WORK/host.out" | head -n 1 | cut -d' ' -f3)
grep -q -- "--join [0-9.]*:$port --code $code" "$WORK/host.out" || fail "no address to give"

wrong=$([ "$code" = K7PQ ] && echo K7PA || echo K7PQ)
status=0
on joiner "$game" --join "127.0.0.1:$port" --code "$wrong" >/dev/null 2>"$WORK/wrong.err" || status=$?
[ "$status" = 5 ] && grep -q "cannot join 127.0.0.1:$port: the join code was wrong" "$WORK/wrong.err" ||
  fail "a wrong code ended with $status"
wait_for 5 grep -q 'refused a machine at 127.0.0.1: the join code was wrong' "$WORK/host.err" || fail "the host did not say"

up joiner join '^Skyvane - 2P, with 1P$' --join "127.0.0.1:$port" --code "$code"
wait_for 5 titled host '^Skyvane - 1P, with 2P$' || fail "the host's title does not say 2P is there"
JOIN_WINDOW=$WINDOW
on host xdotool windowfocus --sync "$HOST_WINDOW"
on joiner xdotool windowfocus --sync "$JOIN_WINDOW"

# Player 1 holds right, player 2 left (the arrows fly player 2 on the joining machine), held
# from the start. The joining machine opens a menu a few frames in and so holds the game; the
# host runs on to eight frames past the other's inputs and waits, both screens still.
moved() {  # SIDE: player 1's rocket right of its start, player 2's left of its
  read -r r1 r2 < <(rocket_edges "$WORK/$1.png")
  [ "$r1" -ge 154 ] && [ "$r1" -lt 999 ] && [ "$r2" -le 84 ] && [ "$r2" -ge 0 ]
}
waiting_said() {
  on host shot waiting && convert "$WORK/waiting.png" -crop 320x27+0+103 +repage "$WORK/label.png" &&
    [ "$(white_points "$WORK/label.png")" -ge 20 ]
}
for attempt in 1 2 3; do
  on host xdotool keyup Right keydown Right   # a key held in a menu is let go once it closes
  on joiner xdotool keyup Left keydown Left
  on host xdotool key ctrl+s sleep 0.1
  on joiner xdotool key F10 sleep 0.6
  on host shot host_held
  on joiner shot joiner_held
  if moved host_held && moved joiner_held; then break; fi
  echo "attempt $attempt: host $(rocket_edges "$WORK/host_held.png"), joiner $(rocket_edges "$WORK/joiner_held.png")"
  [ "$attempt" -lt 3 ] || fail "the rockets did not move as their players steered on both screens"
  on joiner xdotool key Escape key Escape
  wait_for 5 on host title_shown || fail "no title after an attempt"
done
wait_for 5 waiting_said || fail "the host does not say it waits for 2P"
on joiner xdotool key Escape sleep 0.3   # the menu closes and the game goes on
on joiner xdotool key Escape   # Esc on the joining side ends the game on both
wait_for 5 on joiner title_shown || fail "Esc did not bring the title back on the joining side"
wait_for 5 on host title_shown || fail "Esc on the joining side did not bring the title back on the host"
on host xdotool keyup Right
on joiner xdotool keyup Left

on joiner wmctrl -i -c "$JOIN_WINDOW"
GAME_PID=$PID
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "closing the joining window ended it with $GAME_EXIT"
forget_pid "$PID"
wait_for 3 titled host "$other_left" ||
  fail "the host does not say the other player left: $(on host xdotool getwindowname "$HOST_WINDOW")"
kill -0 "$HOST_PID" || fail "the host ended"

# The other player again, in a program started plainly, from the game its join dialog finds.
up joiner join2 '^Skyvane$'
JOIN_WINDOW=$WINDOW

# join_from_the_list: ネット対戦 → 参加する; the first game found is chosen by the arrow keys,
# the code typed and Return pressed.
join_from_the_list() {
  on joiner choose_menu_item "$NET_MENU_X" 1 "$JOIN_WINDOW"
  wait_for 10 titled joiner '^参加する$' || fail "no join dialog"
  sleep 1.5   # the network answers within a second
  on joiner xdotool key Down Tab Tab type "$code"   # all that follows type is typed
  on joiner xdotool key Return
  wait_for 10 titled joiner '^Skyvane - 2P, with 1P$' || fail "the joining machine did not join the game found"
  wait_for 5 titled host '^Skyvane - 1P, with 2P$' || fail "the host does not say 2P is there"
}
join_from_the_list
on host xdotool key ctrl+s
wait_for 10 on host flying || fail "Ctrl+S on the host started no game there"
wait_for 10 on joiner flying || fail "Ctrl+S on the host started no game on the joining machine"
on joiner xdotool key Escape
wait_for 5 on joiner title_shown || fail "Esc on the joining machine did not end the game there"
wait_for 5 on host title_shown || fail "Esc on the joining machine did not end the game on the host"
on joiner choose_menu_item "$NET_MENU_X" 2 "$JOIN_WINDOW"   # ネット対戦 → ネット対戦をやめる
wait_for 5 titled joiner '^Skyvane$' || fail "the joining window did not leave"
wait_for 5 titled host "$other_left" || fail "the host does not say the other player left"
join_from_the_list
kill -0 "$HOST_PID" && kill -0 "$PID" || fail "a program ended"
echo "net game on two X servers passed"
