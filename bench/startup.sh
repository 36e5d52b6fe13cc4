#!/usr/bin/env bash
# Time from start to the mapped window, and resident memory once idle, of skyvane and of a
# bare Qt 6 window, each the median of RUNS runs under a private Xvfb.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
source "$(dirname "$0")/../scripts/xvfb_session.sh"
start_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # measure LABEL BINARY TITLE
  local times=() rss=() i pid started
  for ((i = 0; i < runs; i++)); do
    started=$(date +%s%N)
    "$2" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$3\$" >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || { echo "$2 ended without a window"; exit 1; }
      sleep 0.005
    done
    times+=($(( ($(date +%s%N) - started) / 1000000 )))
    sleep 1
    rss+=($(awk '/VmRSS/ {print $2}' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  printf '%-12s start to mapped window: %4s ms   resident memory: %6s KiB\n' "$1" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${rss[@]}" | median)"
}

measure skyvane "$build/skyvane" Skyvane
measure "bare window" "$build/bench/bare-window" Bare
