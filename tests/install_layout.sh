#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, icon and metainfo where a desktop finds them.
# Usage: install_layout.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
cd "$prefix"
test -x bin/skyvane
test -f share/applications/io.github.skyvane.Skyvane.desktop
test -f share/icons/hicolor/32x32/apps/skyvane.png
test -f share/metainfo/io.github.skyvane.Skyvane.metainfo.xml
