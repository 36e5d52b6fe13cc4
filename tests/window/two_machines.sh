# Two X servers with openbox standing for two machines, for tests of the net game with two real
# programs: sourced after xvfb_lib.sh, with FIND_PICTURE naming the find_picture tool; not run.
# Sets HOST_DISPLAY and JOIN_DISPLAY.

WORK=${WORK:-$(mktemp -d)}
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
start_xvfb
start_openbox
HOST_DISPLAY=$DISPLAY
start_xvfb
start_openbox
JOIN_DISPLAY=$DISPLAY

on_host() { DISPLAY=$HOST_DISPLAY "$@"; }
on_joiner() { DISPLAY=$JOIN_DISPLAY "$@"; }
display_of() { [ "$1" = host ] && echo "$HOST_DISPLAY" || echo "$JOIN_DISPLAY"; }

# window_named DISPLAY_FUNCTION PATTERN: the id of the visible window whose title matches.
window_named() { "$1" xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1; }
titled() { [ -n "$(window_named "$1" "$2")" ]; }

# geometry SIDE WINDOW: "X Y" of the window on that side's screen.
geometry() {
  DISPLAY=$(display_of "$1") xwininfo -id "$2" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}

# locate_client SIDE TITLE_PICTURE: finds where that side's client area is by the title picture it
# shows, since a status line may lie below it; false while it is not shown.
locate_client() {
  DISPLAY=$(display_of "$1") import -window root "$WORK/screen_$1.png"
  local found
  found=$("$FIND_PICTURE" "$WORK/screen_$1.png" "$2" | head -n 1)
  [ -n "$found" ] || return 1
  printf -v "CLIENT_AT_$1" '%s' "$found"
}

# client SIDE NAME: the 320 x 241 client area of that side, as $WORK/NAME.png.
client() {
  local at
  at=CLIENT_AT_$1
  read -r x y <<<"${!at}"
  DISPLAY=$(display_of "$1") import -window root -crop "320x241+${x}+${y}" +repage "$WORK/$2.png"
}

# title_shown SIDE TITLE_PICTURE: the title picture over the play area.
title_shown() {
  client "$1" now && convert "$WORK/now.png" -crop 320x240+0+0 +repage "$WORK/now_play.png" &&
    [ "$(differing_pixels "$WORK/now_play.png" "$2")" -eq 0 ]
}
flying() { client "$1" flight && [ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ]; }

# choose SIDE WINDOW MENU_X ITEM: a menu's title clicked at MENU_X in the menu bar, then its item
# chosen by the keyboard (0 = first).
choose() {
  local x y i
  read -r x y < <(geometry "$1" "$2")
  DISPLAY=$(display_of "$1") xdotool mousemove $((x + $3)) $((y + 10)) click 1
  sleep 0.4
  for ((i = 0; i <= $4; i++)); do DISPLAY=$(display_of "$1") xdotool key Down; done
  DISPLAY=$(display_of "$1") xdotool key Return
}
NET_MENU_X=222  # the net menu's title, right of ヘルプ
