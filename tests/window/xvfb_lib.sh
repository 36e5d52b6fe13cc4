# Steps for tests of the real program under a private Xvfb, with openbox, or under a private
# weston inside it: sourced, not run. Needs xprop, ImageMagick, openbox and weston besides
# what scripts/xvfb_session.sh needs.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb_session.sh"

# shot NAME: the 320 x 241 client area as $WORK/NAME.png.
shot() {
  import -window root -crop "320x241+${CLIENT_X}+${CLIENT_Y}" +repage "$WORK/$1.png"
}

# differing_pixels A B: how many pixels of two pictures of the same size differ.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# white_points PICTURE: how many pixels are exactly white.
white_points() {
  convert "$1" -fill black +opaque '#FFFFFF' -fill white -opaque '#FFFFFF' -format '%[fx:round(mean*w*h)]' info:
}

# share_of COLOUR PICTURE: percentage of pixels of exactly that colour (e.g. "#000000"); not white.
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

# drag X Y BY [BUTTON [MODIFIER]]: presses the button (1 by default) at the screen point, with
# the modifier key held if one is given, drags it BY pixels right and down, and lets go.
drag() {
  local button=${4:-1}
  [ $# -lt 5 ] || xdotool keydown "$5"
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown "$button" sleep 0.2 mousemove $(($1 + $3 / 2)) $(($2 + $3 / 2)) \
    sleep 0.2 mousemove $(($1 + $3)) $(($2 + $3)) sleep 0.2 mouseup "$button" mousemove 0 0
  [ $# -lt 5 ] || xdotool keyup "$5"
  sleep 0.4
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

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# start_openbox: starts the openbox window manager on the Xvfb and waits until it manages it.
start_openbox() {
  [ -z "${WM_PID:-}" ] || EXTRA_PIDS+=("$WM_PID")
  openbox --sm-disable >/dev/null 2>&1 &
  WM_PID=$!
  wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || { echo "openbox did not start"; exit 1; }
}

# The desktop colour of the weston session: everything else on screen is a window.
WESTON_DESKTOP='#204060'

# start_weston: starts weston filling the Xvfb screen, with a private runtime folder and
# socket, a plain desktop and no panel; exports what a Wayland client needs.
start_weston() {
  WORK=${WORK:-$(mktemp -d)}
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  export WAYLAND_DISPLAY=skyvane-test
  printf '[shell]\nbackground-color=0xff%s\npanel-position=none\nlocking=false\n' "${WESTON_DESKTOP#\#}" >"$WORK/weston.ini"
  weston --backend=x11-backend.so --width=800 --height=600 --use-pixman --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --config="$WORK/weston.ini" >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  wait_for 30 desktop_shown || { echo "weston did not start"; cat "$WORK/weston.log"; exit 1; }
  # Weston follows the X pointer by its moves; from a corner on, both stay in step.
  xdotool mousemove 5 5 mousemove 0 0
}

desktop_shown() {
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] &&
    [ "$(import -window root -crop 1x1+799+599 -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}')" = "$WESTON_DESKTOP" ]
}

# windows_box [PICTURE]: "W H X Y" of everything on the weston desktop but the pointer, which
# rests in the top left corner; the picture is a screenshot, by default a new one.
windows_box() {
  local picture=${1:-$WORK/screen.png}
  [ $# -gt 0 ] || import -window root "$picture"
  convert "$picture" -fill "$WESTON_DESKTOP" -draw 'rectangle 0,0 39,39' -fill black -opaque "$WESTON_DESKTOP" \
    -trim -format '%w %h %[fx:page.x] %[fx:page.y]\n' info: 2>/dev/null
}

# scaled_view NAME CLIENT_W CLIENT_H CLIENT_X CLIENT_Y: for the client area at that place on
# screen, K, the largest whole scale of the 320 x 241 surface that it holds, and LEFT TOP, the
# corner of the surface shown centred in it; saves the client area as $WORK/client.png and the
# shown surface as $WORK/NAME.png.
scaled_view() {
  K=$(($2 / 320 < $3 / 241 ? $2 / 320 : $3 / 241))
  LEFT=$((($2 - 320 * K) / 2))
  TOP=$((($3 - 241 * K) / 2))
  import -window root -crop "$2x$3+$4+$5" +repage "$WORK/client.png"
  convert "$WORK/client.png" -crop "$((320 * K))x$((241 * K))+${LEFT}+${TOP}" +repage "$WORK/$1.png"
}

# black_around: the client area of the last scaled_view is black outside the shown surface.
black_around() {
  convert "$WORK/client.png" -fill black -draw "rectangle $LEFT,$TOP $((LEFT + 320 * K - 1)),$((TOP + 241 * K - 1))" \
    "$WORK/around.png"
  [ "$(share_of '#000000' "$WORK/around.png")" = 100 ]
}

# title_in_blocks NAME: the shown surface of the last scaled_view, $WORK/NAME.png, is
# $WORK/start.png, the client area at start, in K x K blocks with black around.
title_in_blocks() {
  [ "$K" -ge 2 ] || return 1
  convert "$WORK/start.png" -sample "$((320 * K))x$((241 * K))!" "$WORK/expected.png"
  [ "$(differing_pixels "$WORK/$1.png" "$WORK/expected.png")" -eq 0 ] && black_around
}

# flight_in_blocks NAME: the shown surface $WORK/NAME.png is a frame of flight, black space with
# white stars, every pixel of it a whole K x K block, with black around. The band of the message
# label is left out: its text is drawn at K times its font size, not in blocks.
flight_in_blocks() {
  [ "$K" -ge 2 ] || return 1
  convert "$WORK/$1.png" -fill black -draw "rectangle 0,$((103 * K)) $((320 * K - 1)),$((130 * K - 1))" "$WORK/unlabelled.png"
  convert "$WORK/unlabelled.png" -sample '320x241!' "$WORK/frame.png"
  convert "$WORK/frame.png" -sample "$((320 * K))x$((241 * K))!" "$WORK/blocks.png"
  [ "$(differing_pixels "$WORK/unlabelled.png" "$WORK/blocks.png")" -eq 0 ] && black_around &&
    [ "$(share_of '#000000' "$WORK/frame.png")" -ge 80 ] && [ "$(white_points "$WORK/frame.png")" -gt 0 ]
}
