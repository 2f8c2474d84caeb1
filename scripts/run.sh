#!/usr/bin/env bash
# Quick start: install what is missing, build, and run Trabeo Professional.
# Without a display, analyses the bundled example beam and prints its listing instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRABEO_BUILD_TESTS=OFF -DTRABEO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x "$build/src/app/trabeo" ]]; then
  cd "$root"
  exec "$build/src/app/trabeo"
fi
echo "No display: analysing the example beam examples/example-beam.json"
exec "$build/src/cli/trabeo-cli" analyse "$root/examples/example-beam.json" --listing
