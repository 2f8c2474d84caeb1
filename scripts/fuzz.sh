#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/<name>_fuzz.cpp) with clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each on its seed corpus fuzz/corpus/<name>/ (with the
# dictionary fuzz/<name>.dict where there is one).
#
#   scripts/fuzz.sh                       every target for 300 s
#   scripts/fuzz.sh --each 60             every target for 60 s
#   scripts/fuzz.sh --total 20            about 20 s in all, shared among the targets
#   scripts/fuzz.sh --each 600 beam_json  the named targets only
#   scripts/fuzz.sh --build DIR ...       in a build folder already configured with TRABEO_FUZZ
#                                         (the test command's sanitized build)
#
# Inputs that reach new code are kept in BUILD/corpus/<name>/, outside the repository (BUILD is
# build-fuzz/ unless --build names another). An input that crashes a target, or breaks one of its
# checks, is saved in BUILD/artifacts/ and fails the run; reproduce it with
# BUILD/fuzz/<name>_fuzz <file>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
configure=1

each=300
total=
targets=()
while (($#)); do
  case "$1" in
    --each) each="$2"; shift 2 ;;
    --total) total="$2"; shift 2 ;;
    --build) build="$2"; configure=0; shift 2 ;;
    -*) echo "usage: $0 [--each SECONDS | --total SECONDS] [--build DIR] [TARGET...]" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: the fuzz targets are skipped"
  exit 0
fi

if ((configure)); then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRABEO_FUZZ=ON -DTRABEO_BUILD_APP=OFF -DTRABEO_BUILD_TESTS=OFF -DTRABEO_BUILD_BENCH=OFF \
    >/dev/null
fi
if ! grep -q '^TRABEO_FUZZ:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "libFuzzer is not available to clang here: the fuzz targets are skipped"
  exit 0
fi

if ((${#targets[@]} == 0)); then
  for source in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
if ((${#targets[@]} == 0)); then
  echo "no fuzz targets in fuzz/"
  exit 0
fi
mkdir -p "$build/artifacts"
if ! cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/%/_fuzz}" \
    >"$build/artifacts/build.log" 2>&1; then
  cat "$build/artifacts/build.log" >&2
  exit 1
fi

seconds=$each
if [[ -n "$total" ]]; then
  seconds=$(( total / ${#targets[@]} ))
  ((seconds >= 1)) || seconds=1
fi

failed=0
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  options=()
  [[ -f "$root/fuzz/$name.dict" ]] && options+=(-dict="$root/fuzz/$name.dict")
  seeds=()
  [[ -d "$root/fuzz/corpus/$name" ]] && seeds=("$root/fuzz/corpus/$name")
  log="$build/artifacts/$name.log"
  if "$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} executions in ${seconds} s, corpus of $(ls "$corpus" | wc -l) inputs"
  else
    echo "$name: FAILED, see $log" >&2
    grep -E 'ERROR|broken promise|runtime error|Test unit written' "$log" >&2 || true
    failed=1
  fi
done
exit "$failed"
