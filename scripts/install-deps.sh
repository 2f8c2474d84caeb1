#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this machine lacks.
# Safe to run any number of times: packages already present are left alone.
set -euo pipefail

packages=(
  g++ make cmake                  # compiler and build
  libgtest-dev libgmock-dev       # unit tests
  libbenchmark-dev                # benchmarks
  nlohmann-json3-dev              # JSON for the batch front end
  libfmt-dev                      # shortest digits of a number, for the batch front end
  qt6-base-dev                    # the desktop program (Widgets, PrintSupport)
  libqt6svg6                      # the SVG icon engine that draws the program's icon
  fonts-dejavu-core               # fonts for offscreen rendering in the GUI tests
  clang-format-14                 # the format check of the test command, one major version
  poppler-utils                   # pdftotext, to read back the PDF report in the tests
  clang libclang-rt-14-dev        # the fuzz targets (libFuzzer)
)

missing=()
for package in "${packages[@]}"; do
  [[ "$package" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
