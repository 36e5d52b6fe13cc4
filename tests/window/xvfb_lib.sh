# Shared steps for tests of the real program under a private Xvfb: sourced, not run.
# Needs Xvfb, xdotool, xwininfo and ImageMagick.

# start_xvfb: starts a server on a free display and exports DISPLAY.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start"; exit 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
  trap stop_all EXIT
}

stop_all() {
  local status=$?
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [ -n "${WORK:-}" ]; then rm -rf "$WORK"; fi
  exit "$status"
}

# start_game BINARY: starts the game, waits for its window, sets WINDOW and the geometry.
start_game() {
  WORK=${WORK:-$(mktemp -d)}
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  "$1" >"$WORK/stdout" 2>"$WORK/stderr" &
  GAME_PID=$!
  WINDOW=$(xdotool search --sync --onlyvisible --name '^Skyvane$' | head -n 1)
  [ -n "$WINDOW" ] || { echo "no window titled Skyvane"; exit 1; }
  sleep 0.3
  WIN_X=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {print $4}')
  WIN_Y=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left Y/ {print $4}')
  WIN_W=$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')
  WIN_H=$(xwininfo -id "$WINDOW" | awk '/Height:/ {print $2}')
  # The client area is the bottom 241 rows, below the menu bar.
  CLIENT_X=$WIN_X
  CLIENT_Y=$((WIN_Y + WIN_H - 241))
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null
}

# shot NAME: the 320 x 241 client area as $WORK/NAME.png.
shot() {
  import -window root -crop "320x241+${CLIENT_X}+${CLIENT_Y}" +repage "$WORK/$1.png"
}

# differing_pixels A B: how many pixels of two pictures of the same size differ.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# share_of COLOUR PICTURE: percentage of pixels of exactly that colour (e.g. "#000000").
share_of() {
  convert "$2" -fill white +opaque "$1" -fill black -opaque "$1" -format '%[fx:round(100*(1-mean))]' info:
}

# choose_menu_item MENU_X ITEM_INDEX: opens the menu title at MENU_X in the menu bar and
# chooses its item by the keyboard (0 = first).
choose_menu_item() {
  xdotool mousemove $((WIN_X + $1)) $((WIN_Y + 10)) click 1
  sleep 0.4
  local i
  for ((i = 0; i <= $2; i++)); do xdotool key Down; done
  xdotool key Return
}

# wait_exit SECONDS: waits for the game to end; sets GAME_EXIT to its exit code, or "timeout".
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    if [ $SECONDS -ge $deadline ]; then GAME_EXIT=timeout; return; fi
    sleep 0.02
  done
  GAME_EXIT=0
  wait "$GAME_PID" || GAME_EXIT=$?
  GAME_PID=
}
