#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail
# ccache shares objects between builds; clang and its run-time libraries build the fuzz targets.
packages=(g++ cmake ninja-build ccache libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libqt6printsupport6 libgl-dev proj-data xvfb xauth
          clang libclang-rt-14-dev poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
