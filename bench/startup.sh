#!/usr/bin/env bash
# Time from start to the mapped window, and resident memory once idle, of skyvane, of a bare
# Qt 6 window with the game's Japanese menus and of one with a Latin menu, each the median of
# RUNS runs under a private Xvfb.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
source "$(dirname "$0")/../scripts/xvfb_session.sh"
start_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # measure LABEL TITLE COMMAND...
  local label=$1 title=$2 times=() rss=() i pid started
  shift 2
  for ((i = 0; i < runs; i++)); do
    started=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || { echo "$1 ended without a window"; exit 1; }
      sleep 0.005
    done
    times+=($(( ($(date +%s%N) - started) / 1000000 )))
    sleep 1
    rss+=($(awk '/VmRSS/ {print $2}' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  printf '%-24s start to mapped window: %4s ms   resident memory: %6s KiB\n' "$label" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${rss[@]}" | median)"
}

measure skyvane Skyvane "$build/skyvane"
measure "bare window, game menus" Bare "$build/bench/bare-window" --game-menus
measure "bare window" Bare "$build/bench/bare-window"
