#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, icons and metainfo where a desktop finds them:
# one icon per size of the hicolor theme under the name the desktop entry gives, none other.
# Usage: install_layout.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
cd "$prefix"
test -x bin/skyvane
test -f share/applications/io.github.skyvane.Skyvane.desktop
grep -qx 'Icon=io.github.skyvane.Skyvane' share/applications/io.github.skyvane.Skyvane.desktop
expected=$(for size in 16 24 32 48 64 128 256; do
  echo "share/icons/hicolor/${size}x${size}/apps/io.github.skyvane.Skyvane.png"
done | sort)
icons=$(find share/icons -type f | sort)
[ "$icons" = "$expected" ] || { printf 'icons installed:\n%s\n' "$icons"; exit 1; }
# The metainfo as configured with the release's version.
cmp share/metainfo/io.github.skyvane.Skyvane.metainfo.xml "$2/packaging/io.github.skyvane.Skyvane.metainfo.xml"
