# Steps for tests of the real program under a private Xvfb, sourced once game (the binary) and
# title (its title picture) are set; needs xprop, wmctrl, ImageMagick and openbox too.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb_session.sh"
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# fail MESSAGE: ends the test with a FAIL line and the programs' output; screenshots go to /tmp.
fail() {
  echo "FAIL: $*"
  for f in "$WORK"/*.err "$WORK"/*.out "$WORK/stderr"; do [ ! -s "$f" ] || { echo "== $f"; cat "$f"; }; done
  cp "$WORK"/*.png /tmp/ 2>/dev/null || true
  exit 1
}

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
  local deadline=$((SECONDS + $1))
  until "${@:2}"; do [ $SECONDS -lt $deadline ] && sleep 0.1 || return 1; done
}
not() { ! "$@"; }
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }  # visible WINDOW_TITLE

# wait_exit SECONDS: waits for the game to end; sets GAME_EXIT to its exit code, or "timeout".
wait_exit() {
  GAME_EXIT=timeout
  wait_for "$1" not kill -0 "$GAME_PID" 2>/dev/null || return 0
  wait "$GAME_PID" && GAME_EXIT=0 || GAME_EXIT=$?
  GAME_PID=
}

start_openbox() {
  openbox --sm-disable >/dev/null 2>&1 &
  EXTRA_PIDS+=($!)
  wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "no openbox"
}

# geometry [WINDOW]: "W H X Y" of the window, the game's by default, on the screen.
geometry() {
  xwininfo -id "${1:-$WINDOW}" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print w, h, x, y}'
}

# choose_menu_item MENU_X ITEM_INDEX [WINDOW]: opens the menu title at MENU_X in the menu bar of
# the window, the game's by default, and chooses its item by the keyboard (0 = first).
choose_menu_item() {
  read -r _ _ x y < <(geometry "${3:-$WINDOW}")
  xdotool mousemove $((x + $1)) $((y + 10)) click 1 sleep 0.4 key $(yes Down | head -n $(($2 + 1))) Return
}

# drag X Y BY [BUTTON [MODIFIER]]: presses the button (1 by default) at the screen point, with
# the modifier key held if one is given, drags it BY pixels right and down, and lets go.
drag() {
  xdotool ${5:+keydown "$5"} mousemove "$1" "$2" sleep 0.2 mousedown "${4:-1}" sleep 0.2 \
    mousemove $(($1 + $3 / 2)) $(($2 + $3 / 2)) sleep 0.2 mousemove $(($1 + $3)) $(($2 + $3)) sleep 0.2 \
    mouseup "${4:-1}" mousemove 0 0 ${5:+keyup "$5"} sleep 0.4
}

# shot NAME: the 320 x 241 client area at CLIENT_X CLIENT_Y as $WORK/NAME.png.
shot() { import -window root -crop "320x241+${CLIENT_X}+${CLIENT_Y}" +repage "$WORK/$1.png"; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }  # PICTURE PICTURE
white_points() { convert "$1" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:; }
# share_of COLOUR PICTURE: percentage of pixels of exactly that colour (e.g. "#000000"); not white.
share_of() {
  convert "$2" -fill white +opaque "$1" -fill black -opaque "$1" -format '%[fx:round(100*(1-mean))]' info:
}
as_at_start() { shot now && [ "$(differing_pixels "$WORK/now.png" "$WORK/start.png")" -eq 0 ]; }
flying() { shot flight && [ "$(share_of '#000000' "$WORK/flight.png")" -ge 80 ]; }
# title_shown: the client area, as $WORK/now.png, has the title picture above its bottom row.
title_shown() {
  shot now && convert "$WORK/now.png" -crop 320x240+0+0 +repage "$WORK/play.png" &&
    [ "$(differing_pixels "$WORK/play.png" "$title")" -eq 0 ]
}

# keys_let_go_away: in two-player games in the window, at the title, each player's key is let go
# while a second copy of the program has the keyboard, however briefly (see focus_round_trip.py).
keys_let_go_away() {
  "$game" >/dev/null 2>&1 &
  EXTRA_PIDS+=($!)
  other() { OTHER=$(xdotool search --onlyvisible --name '^Skyvane$' | grep -v -x "$WINDOW" | head -n 1); }
  wait_for 10 other || fail "no second window"
  xdotool windowmove --sync "$OTHER" 0 440   # out of the way of the first window's client area
  choose_menu_item 75 1   # 人数設定 → ２人
  sleep 0.3
  python3 "$(dirname "${BASH_SOURCE[0]}")/focus_round_trip.py" "$WINDOW" "$OTHER" "$CLIENT_X" "$CLIENT_Y" ||
    fail "a key held as the keyboard went away was not let go"
}

# scaled_view NAME CLIENT_W CLIENT_H CLIENT_X CLIENT_Y: for the client area there, K, the largest
# whole scale of the 320 x 241 surface it holds, and SIZE, that scaled; the surface shown centred
# as $WORK/NAME.png, and AROUND, the percentage of black in the client area around it.
scaled_view() {
  K=$(($2 / 320 < $3 / 241 ? $2 / 320 : $3 / 241))
  SIZE=$((320 * K))x$((241 * K))
  local left=$((($2 - 320 * K) / 2)) top=$((($3 - 241 * K) / 2))
  import -window root -crop "$2x$3+$4+$5" +repage "$WORK/client.png"
  convert "$WORK/client.png" -crop "$SIZE+$left+$top" +repage "$WORK/$1.png"
  AROUND=$(convert "$WORK/client.png" -fill black \
    -draw "rectangle $left,$top $((left + 320 * K - 1)),$((top + 241 * K - 1))" \
    -fill white +opaque black -format '%[fx:round(100*(1-mean))]' info:)
}

# title_in_blocks NAME: the shown surface $WORK/NAME.png is the client area at start in K x K
# blocks, with black around.
title_in_blocks() {
  [ "$K" -ge 2 ] && convert "$WORK/start.png" -sample "$SIZE!" "$WORK/expected.png" &&
    [ "$(differing_pixels "$WORK/$1.png" "$WORK/expected.png")" -eq 0 ] && [ "$AROUND" = 100 ]
}

# flight_in_blocks NAME: the shown surface $WORK/NAME.png is flight, black space with white stars,
# in whole K x K blocks with black around; but for the message label, whose text is drawn at K
# times its font size.
flight_in_blocks() {
  [ "$K" -ge 2 ] || return 1
  convert "$WORK/$1.png" -fill black -draw "rectangle 0,$((103 * K)) $((320 * K - 1)),$((130 * K - 1))" \
    -write "$WORK/unlabelled.png" -sample '320x241!' -write "$WORK/frame.png" -sample "$SIZE!" "$WORK/blocks.png"
  [ "$(differing_pixels "$WORK/unlabelled.png" "$WORK/blocks.png")" -eq 0 ] && [ "$AROUND" = 100 ] &&
    [ "$(share_of '#000000' "$WORK/frame.png")" -ge 80 ] && [ "$(white_points "$WORK/frame.png")" -gt 0 ]
}
