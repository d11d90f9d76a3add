#!/usr/bin/env bash
# Installs the Debian packages a task needs, when they are missing.
#   scripts/install-deps.sh [SET ...]
# Sets: run (build and run the programs; the default), test (add GoogleTest,
# Google Benchmark, clang for the fuzz targets, the desktop-file and AppStream
# validators, Xvfb, pdftotext for the printed sheet), package (dpkg-dev and file for cpack -G DEB), accuracy
# (the reference programs of tools/accuracy.py).
set -euo pipefail
sets=("$@")
[ ${#sets[@]} -eq 0 ] && sets=(run)
packages=()
for set in "${sets[@]}"; do
  case $set in
    # ccache shares objects between builds; proj-data holds the EGM96 grid the geoid files are made from.
    run) packages+=(g++ cmake ninja-build ccache qt6-base-dev libgl-dev proj-data) ;;
    # clang and its run-time libraries build the fuzz targets.
    test) packages+=(g++ cmake ninja-build ccache qt6-base-dev libgl-dev proj-data
                     libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev
                     desktop-file-utils appstream man-db dpkg-dev file poppler-utils) ;;
    package) packages+=(dpkg-dev file) ;;
    accuracy) packages+=(python3 proj-bin geographiclib-tools) ;;
    *) echo "install-deps.sh: unknown set '$set' (run, test, package, accuracy)" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  # Each name once, in the order asked.
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
