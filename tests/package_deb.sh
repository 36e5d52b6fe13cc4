#!/usr/bin/env bash
# The Debian package: cpack makes skyvane_<version>_<arch>.deb from the build, in section games
# with dependencies computed from the binary; lintian finds neither error nor warning; the
# software-centre catalogue composed from its files, as distributions compose theirs, has the
# game with its icons and no error or warning; and the program extracted from it with dpkg-deb
# starts under Xvfb and ends on a close request with 0.
# Usage: package_deb.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/window/xvfb_lib.sh"
trap 'rm -rf "$WORK"' EXIT

(cd "$build" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; fail "cpack"; }
deb=$(echo "$WORK"/out/skyvane_*_"$(dpkg --print-architecture)".deb)   # one, or no file by that name
[ -f "$deb" ] || fail "no skyvane_<version>_<arch>.deb: $(ls "$WORK/out")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>=' || fail "depends: $(dpkg-deb -f "$deb" Depends)"
lintian --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1 || { cat "$WORK/lintian.log"; fail "lintian"; }

dpkg-deb -x "$deb" "$WORK/root"
# compose exits non-zero on errors only; its report names every hint as "E:", "W:", "I:" and
# colours them even with --no-color.
appstreamcli compose --no-net --no-color --origin=skyvane --result-root="$WORK/catalogue" \
  --print-report=full --prefix=/usr "$WORK/root" >"$WORK/compose.log" 2>&1 &&
  [ -z "$(sed 's/\x1b\[[0-9;]*m//g' "$WORK/compose.log" | grep -E '^ *[EW]: ')" ] ||
  { cat "$WORK/compose.log"; fail "appstreamcli compose failed or reports errors or warnings"; }
catalogue=$(zcat "$WORK/catalogue/usr/share/swcatalog/xml/skyvane.xml.gz")
for size in 64 128; do
  grep -q "<icon type=\"cached\" width=\"$size\" height=\"$size\">io.github.skyvane.Skyvane.png</icon>" <<<"$catalogue" \
    && [ -f "$WORK/catalogue/usr/share/swcatalog/icons/skyvane/${size}x$size/io.github.skyvane.Skyvane.png" ] \
    || fail "the catalogue has no $size-pixel icon: $catalogue"
done

start_xvfb
start_openbox
start_game "$WORK/root/usr/games/skyvane"
wmctrl -i -c "$WINDOW"
wait_exit 5
[ "$GAME_EXIT" = 0 ] || fail "the packaged program ended with $GAME_EXIT"
echo "package test passed: $(basename "$deb")"
