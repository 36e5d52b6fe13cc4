# The program in a private Xvfb, for the tests, the start-up measurement and the README's
# screenshots: sourced, not run. Needs Xvfb, xdotool and xwininfo.

EXTRA_PIDS=()  # more servers, window managers and programs for stop_all to end

# forget_pid PID: a program of EXTRA_PIDS that ended and was waited for; its number may soon be
# another process's.
forget_pid() {
  local kept=() pid
  for pid in "${EXTRA_PIDS[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
  EXTRA_PIDS=("${kept[@]}")
}

# start_xvfb: starts a server on a free display and exports DISPLAY; a test may start several,
# each in turn the one DISPLAY names.
start_xvfb() {
  [ -z "${XVFB_PID:-}" ] || EXTRA_PIDS+=("$XVFB_PID")
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
  local pid
  for pid in "${EXTRA_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${WESTON_PID:-}" ]; then kill "$WESTON_PID" 2>/dev/null || true; fi
  if [ -n "${WM_PID:-}" ]; then kill "$WM_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [ -n "${WORK:-}" ]; then rm -rf "$WORK"; fi
  exit "$status"
}

# start_game BINARY [ARGUMENTS...]: starts the game, waits for its window, sets WINDOW and the
# geometry.
start_game() {
  WORK=${WORK:-$(mktemp -d)}
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
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
