#!/usr/bin/env bash
# The test command. Installs what is missing, then checks, in order:
#   - the core includes no Qt header, and every source file is formatted (clang-format 14);
#   - the normal build (gcc, RelWithDebInfo, warnings as errors) builds and passes every test;
#   - the Debian package, made from that build, holds the programs, installs and runs;
#   - one clang build with AddressSanitizer and UndefinedBehaviorSanitizer (float-cast-overflow
#     included) passes the tests of the core and the batch front end again, and its fuzz targets
#     (libFuzzer) run for about 20 s in all.
# Each step says how long it took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

started=$SECONDS
step() {
  echo "== $1 (at $((SECONDS - started)) s)"
}

step "the core without Qt, the format"
if grep -r -n -E '#include[[:space:]]*[<"]Q[A-Za-z]' "$root/src/core"; then
  echo "error: src/core must not include Qt headers" >&2
  exit 1
fi
if ! (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror); then
  echo "error: run clang-format-14 -i on the files above" >&2
  exit 1
fi

jobs=$(nproc)
build_and_test() {
  local build="$1"; shift
  cmake -S "$root" -B "$build" "$@" >/dev/null
  cmake --build "$build" --parallel "$jobs"
  ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
}

step "normal build"
# Line tables are all the debug information a backtrace needs, for a fifth less compile time.
build_and_test "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" -DTRABEO_WERROR=ON

step "Debian package"
"$root/scripts/check-package.sh" "$root/build-test"

# One sanitized build serves the tests and the fuzz targets, so the code is compiled twice in
# all, not three times. It builds the test programs whose code handles memory and outside input
# (the core, the file readers, the batch front end); the desktop program's tests, which drive
# Qt's widgets over that same core, run in the normal build alone. The libraries optimised a
# little (-O1), the sanitized tests run several times faster than unoptimised, for little more
# compile time (the tests' own code is not optimised in either build); line tables are enough
# for the sanitizers' reports. Each test program runs as one process: under
# the sanitizers a process takes a second to start and end. Without clang and libFuzzer, gcc
# builds the sanitized tests alone.
step "AddressSanitizer and UndefinedBehaviorSanitizer build, with the fuzz targets"
sanitized=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DTRABEO_WERROR=ON
           -DTRABEO_SANITIZE=ON -DTRABEO_BUILD_APP=OFF -DTRABEO_BUILD_BENCH=OFF
           -DTRABEO_TEST_EACH_PROGRAM=ON)
if command -v clang++ >/dev/null; then
  export CC=clang CXX=clang++
  sanitized+=(-DTRABEO_FUZZ=ON)
fi
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build_and_test "$root/build-asan" "${sanitized[@]}"

step "fuzz targets, about 20 s in all"
"$root/scripts/fuzz.sh" --build "$root/build-asan" --total 20

step "done"
echo "All tests passed, in both builds, and the fuzz targets found nothing."
