#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, icons and metainfo where a desktop finds them:
# one icon per size of the hicolor theme under the name the desktop entry gives, none other.
# Usage: install_layout.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
"$1" --install "$2" --prefix "$prefix" >/dev/null
cd "$prefix"
app=io.github.skyvane.Skyvane
[ -x bin/skyvane ] || fail "no program in bin"
grep -qx "Icon=$app" "share/applications/$app.desktop" || fail "no desktop entry naming the icon $app"
expected=$(for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$app.png"; done)
icons=$(find share/icons -type f)
[ "$(sort <<<"$icons")" = "$(sort <<<"$expected")" ] || fail "icons installed: $icons"
# The metainfo as configured with the release's version.
cmp "share/metainfo/$app.metainfo.xml" "$2/packaging/$app.metainfo.xml" || fail "metainfo not as configured"
