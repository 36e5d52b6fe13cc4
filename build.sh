#!/usr/bin/env bash
# Skyvane's two entry points on a Debian 12 machine:
#   ./build.sh run    install what building and playing need, build the game, start it
#   ./build.sh test   install that and the test tools, build, run every test: the suite, the
#                     suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
#                     bounded fuzzing runs of the replay script reader and the net game's packet
#                     reader
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|test" >&2; exit 64; }
[ $# -eq 1 ] || usage
case "$1" in run | test) ;; *) usage ;; esac

scripts/install-deps.sh "$1"
jobs=$(nproc)
fuzz_seconds=${SKYVANE_FUZZ_SECONDS:-60}

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

run_suite() {
  build build -DSKYVANE_WERROR=ON -DBUILD_TESTING=ON -DSKYVANE_BENCHMARKS=ON
  ctest --test-dir build --output-on-failure -j"$jobs"
}

run_sanitized_suite() {
  build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYVANE_WERROR=ON -DSKYVANE_SANITIZE=ON -DSKYVANE_AVX2=OFF \
    -DSKYVANE_BENCHMARKS=OFF
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
}

# fuzz TARGET SEED_FILES...: runs one fuzzer of build-fuzz for the fuzzing time, from the seeds.
fuzz() {
  local target=$1
  shift
  local work
  work=$(mktemp -d)
  mkdir "$work/corpus"
  [ $# -eq 0 ] || cp "$@" "$work/corpus"
  echo "Fuzzing $target for ${fuzz_seconds} s"
  if ! "build-fuzz/tests/fuzz/$target" -max_total_time="$fuzz_seconds" -timeout=10 -max_len=4096 \
      -artifact_prefix="$PWD/build-fuzz/$target-" -print_final_stats=1 "$work/corpus" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "The fuzzer found a failing input; it is kept in build-fuzz/."
    return 1
  fi
  grep -E '^Done|number_of_executed_units' "$work/log"
  rm -rf "$work"
}

run_fuzzers() {
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYVANE_WERROR=ON -DSKYVANE_FUZZ=ON \
    -DBUILD_TESTING=OFF -DSKYVANE_BENCHMARKS=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target replay_script_fuzzer net_message_fuzzer
  fuzz replay_script_fuzzer tests/replay/scripts/errors_*.replay tests/replay/scripts/star_course.replay
  fuzz net_message_fuzzer
}

case "$1" in
  run)
    build build -DBUILD_TESTING=OFF -DSKYVANE_BENCHMARKS=OFF
    exec build/skyvane
    ;;
  test)
    run_suite
    run_sanitized_suite
    run_fuzzers
    echo "All tests passed."
    ;;
  *) usage ;;
esac
