#!/usr/bin/env bash
# Builds the two programs (nothing for the tests) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
build_dir=${TWOPOINT_BUILD_DIR:-build}
# A new build folder leaves the tests out; one that test.sh made keeps them
# configured, but only the programs are built here.
configure=()
[ -f "$build_dir/CMakeCache.txt" ] || configure=(-DBUILD_TESTING=OFF)
TWOPOINT_BUILD_TARGETS="twopoint twopoint-calc" scripts/build.sh "${configure[@]}"
program="$build_dir/bin/twopoint"
if [ ! -x "$program" ]; then
  echo "The desktop program was not built (Qt 6 missing?). twopoint-calc is in $build_dir/bin."
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start Twopoint under a virtual display with:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $program"
  exit 1
fi
exec "$program"
