#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: from a normal build and from
# a build with AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz target for a
# few seconds (about 20 s in all). Fails if the core includes Qt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

if grep -r -n -E '#include[[:space:]]*[<"]Q[A-Za-z]' "$root/src/core"; then
  echo "error: src/core must not include Qt headers" >&2
  exit 1
fi

# Every source file is formatted as .clang-format says.
if ! (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
  echo "error: run clang-format -i on the files above" >&2
  exit 1
fi

jobs=$(nproc)
run_suite() {
  local build="$1"; shift
  cmake -S "$root" -B "$build" "$@" >/dev/null
  cmake --build "$build" --parallel "$jobs"
  ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
}

echo "== normal build"
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRABEO_WERROR=ON
echo "== Debian package"
"$root/scripts/check-package.sh" "$root/build-test"
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTRABEO_WERROR=ON -DTRABEO_SANITIZE=ON -DTRABEO_BUILD_BENCH=OFF
echo "== fuzz targets, about 20 s in all"
"$root/scripts/fuzz.sh" --total 20
echo "All tests passed in both builds, and the fuzz targets found nothing."
