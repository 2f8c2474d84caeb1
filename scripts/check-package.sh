#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it: the two programs in
# /usr/bin, the desktop entry and the icon, and the dependency on Qt's platform plugins without
# which the program cannot open a window.
set -euo pipefail
build="${1:?usage: check-package.sh BUILD_FOLDER}"
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls -t "$build"/trabeo_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/trabeo ./usr/bin/trabeo-cli ./usr/share/applications/trabeo.desktop \
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
echo "$(basename "$package"): programs, desktop entry and icon in place; depends on $depends"
