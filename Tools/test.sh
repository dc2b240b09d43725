#!/usr/bin/env bash
# Sets up and runs the whole test suite: the normal build with all tests, the AddressSanitizer build
# with all tests, the threaded tests under ThreadSanitizer, each benchmark once, each fuzz target
# briefly, and the formatting check. Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash Tools/setup.sh

jobs=$(nproc)
fuzz_seconds=${TOLVA_FUZZ_SECONDS:-20}
stage() { printf '\n==== %s\n' "$*"; }

stage "format check"
git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

stage "normal build and tests"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --test-dir build/default -j "$jobs" --output-on-failure --no-tests=error

stage "the plug-in in Ardour, headless"
bash Tools/ardour-check.sh build/default

stage "install: layout, desktop entry, the installed program and host finding the plug-in, Debian package"
bash Tools/install-check.sh build/default

stage "real ALSA: the sequencer and sound-card tests in a throwaway machine"
# Every test labelled Alsa, on the kernel's sequencer, virtual MIDI cables and the Dummy and
# Loopback cards. A machine that cannot start fails the stage; so does any test that skips there.
alsa_started=$(date +%s)
alsa_log=build/default/alsa-vm/stage.log
mkdir -p build/default/alsa-vm
bash Tools/alsa-vm.sh --build build/default --timeout 600 -- \
  sh -c 'test -c /dev/snd/seq || { echo "no /dev/snd/seq in the machine"; exit 1; }
         exec ctest --test-dir build/default -L "^Alsa$" -j 4 --output-on-failure --no-tests=error' \
  2>&1 | tee "$alsa_log"
if grep -qE '\*\*\*Skipped|Not Run' "$alsa_log"; then
  echo "real ALSA: tests skipped inside the machine (see above); they must run there" >&2
  exit 1
fi
echo "real ALSA: stage took $(($(date +%s) - alsa_started)) s"

stage "AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan -j "$jobs" --output-on-failure --no-tests=error

stage "ThreadSanitizer: the platform, link and simulated-instrument suites whole, other threaded tests"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
# ThreadSanitizer needs a narrower address-space layout than recent kernels give by default.
# The mutex-kinds test unlocks an unheld mutex on purpose; ThreadSanitizer would stop it there.
tsan_ctest() {
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    setarch "$(uname -m)" -R ctest --test-dir build/tsan -j "$jobs" --output-on-failure "$@"
}
tsan_ctest -L '^(Linux|Link|Sim)$' -E '^ZbrMutex\.KindsBehaveAsTheirType$' --no-tests=error
tsan_ctest -R Threaded -LE '^(Linux|Link|Sim)$' --no-tests=ignore

stage "benchmarks, once each"
for b in build/default/Bench/bench_*; do
  [ -x "$b" ] || continue
  echo "-- $b"
  "$b" --benchmark_min_time=0.01
done

if ls Fuzz/*.cpp >/dev/null 2>&1; then
  stage "fuzz targets, ${fuzz_seconds}s each"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "$jobs"
  for f in build/fuzz/Fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus="build/fuzz/corpus/${name#fuzz_}"
    mkdir -p "$corpus"
    seeds="Fuzz/seeds/${name#fuzz_}"
    log="build/fuzz/${name}.log"
    dirs=("$corpus")
    [ -d "$seeds" ] && dirs+=("$seeds")
    # The fuzzer's progress lines go to a log; a failure prints its end, success its final stats.
    if ! "$f" -max_total_time="$fuzz_seconds" -print_final_stats=1 "${dirs[@]}" >"$log" 2>&1; then
      echo "-- $name FAILED; the end of its log:"
      tail -n 80 "$log"
      exit 1
    fi
    echo "-- $name: $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" | tr '\n' ' ')"
  done
fi

# The last line is the summary of the whole run.
total=$(ctest --test-dir build/default -N | sed -n 's/^Total Tests: //p')
echo
echo "tests: ${total} passed, 0 failed"
