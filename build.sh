#!/usr/bin/env bash
# Skyvane's two entry points on a Debian 12 machine:
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|test" >&2; exit 64; }
[ $# -eq 1 ] || usage

scripts/install-deps.sh
jobs=$(nproc)

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

case "$1" in
  run)
    build build
    exec build/skyvane
    ;;
  test)
    build build
    ctest --test-dir build --output-on-failure -j"$jobs"
    ;;
  *) usage ;;
esac
