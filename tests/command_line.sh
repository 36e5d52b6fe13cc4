#!/usr/bin/env bash
# The command line answers without a display: --help and --version print and end with 0, a wrong
# option or value prints the usage on standard error and ends with 1, a net game that cannot be
# hosted or joined ends with 5 and one line that says why, and a start with no display to open
# ends with 4 and one line that says what to do, never with Qt's abort and a core file.
# Usage: command_line.sh BINARY VERSION
set -euo pipefail
game=$(realpath "$1")
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited 2>/dev/null || true
fail() { echo "FAIL: $*"; exit 1; }

# run NAME [VAR=VALUE...] -- ARGUMENTS: the program with no display named; sets status.
run() {
  local name=$1
  shift
  local settings=()
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${settings[@]}" "$game" "$@" >"$name.out" 2>"$name.err" || status=$?
}

run help -- --help
[ "$status" = 0 ] || fail "--help ended with $status"
grep -q '^Usage: skyvane \[options\] \[PORT\]$' help.out || fail "no usage line: $(cat help.out)"
for option in --help --version '--scale <N>' '--first-pad <PLAYER>' --host '--join <ADDRESS[:PORT]>' '--code <CODE>'; do
  grep -qF -- "$option" help.out || fail "--help does not name $option"
done
[ ! -s help.err ] || fail "--help wrote to standard error: $(cat help.err)"

run version -- --version
[ "$status" = 0 ] || fail "--version ended with $status"
[ "$(cat version.out)" = "Skyvane $version" ] || fail "--version printed: $(cat version.out)"

for wrong in --bogus -platform '--scale 0' '--scale 9' '--scale two' '--first-pad 3' extra '--host 70000' '--host 5 6' \
    '--host --join h --code K7PQ' '--join h' '--code K7PQ' '--join h:0 --code K7PQ' '--join h --code K7P0'; do
  # shellcheck disable=SC2086 # each case is a list of words
  run wrong -- $wrong
  [ "$status" = 1 ] || fail "'$wrong' ended with $status"
  grep -q '^Usage: skyvane \[options\] \[PORT\]$' wrong.err || fail "'$wrong' did not print the usage: $(cat wrong.err)"
  [ ! -s wrong.out ] || fail "'$wrong' wrote to standard output"
done

# A net game that cannot be: ends with 5 and says why in one line, before any display is needed.
check_network_end() {  # LABEL EXPECTED_TEXT
  [ "$status" = 5 ] || fail "$1: ended with $status: $(cat net.err)"
  [ "$(wc -l <net.err)" = 1 ] || fail "$1: not one line: $(cat net.err)"
  grep -q -- "$2" net.err || fail "$1: $(cat net.err)"
}
busy_port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("", 0)); print(s.getsockname()[1])')
python3 -c "import socket, time; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(('', $busy_port)); time.sleep(30)" &
holder=$!
sleep 0.3
run net -- --host "$busy_port"
kill "$holder"
check_network_end "a port taken" "cannot host on UDP port $busy_port: another program has it"
run net -- --join no-such-host.invalid --code K7PQ
check_network_end "a host that does not resolve" "cannot join no-such-host.invalid: no such host"
run net -- --join "127.0.0.1:$busy_port" --code K7PQ
check_network_end "a host that does not answer" "cannot join 127.0.0.1:$busy_port: the host did not answer"

check_no_display() {  # LABEL: the last run ended with 4, the message last, no core file
  [ "$status" = 4 ] || fail "$1: ended with $status: $(cat nodisplay.err)"
  local message
  message=$(tail -n 1 nodisplay.err)
  for word in DISPLAY WAYLAND_DISPLAY xvfb-run; do
    grep -qw -- "$word" <<<"$message" || fail "$1: the message does not name $word: $message"
  done
  if compgen -G 'core*' >/dev/null; then fail "$1: a core file was written"; fi
}
run nodisplay -- 
check_no_display "no display named"
[ "$(wc -l <nodisplay.err)" = 1 ] || fail "more than one line: $(cat nodisplay.err)"
run nodisplay QT_QPA_PLATFORM=xcb --
check_no_display "the X11 platform asked for with no display"
run nodisplay DISPLAY=:77 --
check_no_display "a display that does not answer"
echo "command line test passed"
