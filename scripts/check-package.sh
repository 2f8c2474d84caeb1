#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it: the programs in
# /usr/bin, the desktop entry and the icon, the dependency on Qt's platform plugins without
# which the program cannot open a window, that apt can install it here, and that the programs
# it holds run: the batch front end analyses the example beam without loading Qt, its helper
# beside it writes the PDF report, and the desktop program starts.
set -euo pipefail
build="${1:?usage: check-package.sh BUILD_FOLDER}"
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls -t "$build"/trabeo_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/trabeo ./usr/bin/trabeo-cli ./usr/bin/trabeo-report \
    ./usr/share/applications/trabeo.desktop \
    ./usr/share/icons/hicolor/scalable/apps/trabeo.svg; do
  if ! grep -q -F " $file" <<<"$contents"; then
    echo "error: $package lacks $file" >&2
    exit 1
  fi
done
depends=$(dpkg-deb -f "$package" Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libqt6printsupport6; do
  if ! grep -q -w "$needed" <<<"$depends"; then
    echo "error: $package does not depend on $needed (Depends: $depends)" >&2
    exit 1
  fi
done
# apt resolves the package's dependencies without changing this machine.
apt-get --simulate install "$package" >/dev/null

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
root=$(cd "$(dirname "$0")/.." && pwd)
"$unpacked/usr/bin/trabeo-cli" analyse "$root/examples/example-beam.json" >/dev/null
if ldd "$unpacked/usr/bin/trabeo-cli" 2>/dev/null | grep -E 'libQt|libicu' >&2; then
  echo "error: the packaged trabeo-cli loads Qt (only trabeo-report may)" >&2
  exit 1
fi
"$unpacked/usr/bin/trabeo-cli" report "$root/examples/example-beam.json" -o "$unpacked/example.pdf"
if [ "$(head -c 5 "$unpacked/example.pdf")" != "%PDF-" ]; then
  echo "error: the packaged trabeo-cli report wrote no PDF" >&2
  exit 1
fi
# Still running after a few seconds: the window opened and the program waits for the user.
status=0
(cd "$unpacked" && XDG_CONFIG_HOME="$unpacked" XDG_RUNTIME_DIR="$unpacked" \
  QT_QPA_PLATFORM=offscreen timeout 3 "$unpacked/usr/bin/trabeo" 2>"$unpacked/stderr") ||
  status=$?
if [ "$status" -ne 124 ]; then
  cat "$unpacked/stderr" >&2
  echo "error: the packaged trabeo did not start (exit status $status)" >&2
  exit 1
fi
echo "$(basename "$package"): programs, desktop entry and icon in place; installs; starts;" \
  "trabeo-cli without Qt, its report by trabeo-report;" \
  "depends on $depends"
