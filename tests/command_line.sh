#!/usr/bin/env bash
# Without a display: --help and --version end with 0, a wrong option with the usage and 1, a net
# game that cannot be with one line and 5, a start with no display with one line and 4, no core.
# Usage: command_line.sh BINARY VERSION
set -euo pipefail
game=$(realpath "$1")
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited 2>/dev/null || true
fail() { echo "FAIL: $*"; exit 1; }
usage='^Usage: skyvane \[options\] \[PORT\]$'

# run NAME [VAR=VALUE...] BINARY [ARGUMENTS...]: with no display named, the output in NAME.out and
# NAME.err; sets status.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${@:2}" >"$1.out" 2>"$1.err" || status=$?
}

run help "$game" --help
[ "$status" = 0 ] && [ ! -s help.err ] && grep -q "$usage" help.out ||
  fail "--help ended with $status: $(cat help.*)"
for option in --help --version '--scale <N>' '--first-pad <PLAYER>' --host '--join <ADDRESS[:PORT]>' '--code <CODE>'; do
  grep -qF -- "$option" help.out || fail "--help does not name $option"
done
run version "$game" --version
[ "$status" = 0 ] && [ "$(cat version.out)" = "Skyvane $version" ] ||
  fail "--version ended with $status: $(cat version.out)"

for wrong in --bogus -platform '--scale 0' '--scale 9' '--scale two' '--first-pad 3' extra '--host 70000' '--host 5 6' \
    '--host --join h --code K7PQ' '--join h' '--code K7PQ' '--join h:0 --code K7PQ' '--join h --code K7P0'; do
  # shellcheck disable=SC2086 # each case is a list of words
  run wrong "$game" $wrong
  [ "$status" = 1 ] && grep -q "$usage" wrong.err && [ ! -s wrong.out ] ||
    fail "'$wrong' ended with $status, not with the usage on standard error alone: $(cat wrong.*)"
done

# net_end LABEL EXPECTED_TEXT ARGUMENTS...: a net game that cannot be ends with 5 and says why in
# one line, before any display is needed.
net_end() {
  run net "$game" "${@:3}"
  [ "$status" = 5 ] && [ "$(wc -l <net.err)" = 1 ] && grep -q -- "$2" net.err ||
    fail "$1: ended with $status: $(cat net.err)"
}
coproc python3 -uc 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("", 0)); print(s.getsockname()[1]); time.sleep(30)'
read -r busy_port <&"${COPROC[0]}"
net_end "a port taken" "cannot host on UDP port $busy_port: another program has it" --host "$busy_port"
kill "$COPROC_PID"
net_end "a host that does not resolve" "cannot join no-such-host.invalid: no such host" \
  --join no-such-host.invalid --code K7PQ
net_end "a host that does not answer" "cannot join 127.0.0.1:$busy_port: the host did not answer" \
  --join "127.0.0.1:$busy_port" --code K7PQ

# no_display LABEL [VAR=VALUE]: ends with 4 and the message last names what to do; no core file.
no_display() {
  run nodisplay "${@:2}" "$game"
  [ "$status" = 4 ] || fail "$1: ended with $status: $(cat nodisplay.err)"
  tail -n 1 nodisplay.err | grep -w DISPLAY | grep -w WAYLAND_DISPLAY | grep -qw xvfb-run ||
    fail "$1: the message does not name DISPLAY, WAYLAND_DISPLAY and xvfb-run: $(tail -n 1 nodisplay.err)"
  ! compgen -G 'core*' >/dev/null || fail "$1: a core file was written"
}
no_display "no display named"
[ "$(wc -l <nodisplay.err)" = 1 ] || fail "more than one line: $(cat nodisplay.err)"
no_display "the X11 platform asked for with no display" QT_QPA_PLATFORM=xcb
no_display "a display that does not answer" DISPLAY=:77
echo "command line test passed"
