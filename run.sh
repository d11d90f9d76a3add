#!/usr/bin/env bash
# Builds Twopoint and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
build_dir=${TWOPOINT_BUILD_DIR:-build}
if [ -x "$build_dir/bin/twopoint" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Start Twopoint under a virtual display with:"
    echo "  xvfb-run -a $build_dir/bin/twopoint"
    exit 1
  fi
  exec "$build_dir/bin/twopoint"
fi
echo "The desktop window is not built yet; here is twopoint-calc on a worked example:"
echo "  echo '60 3' | twopoint-calc geog2grid --zone 31"
echo '60 3' | "$build_dir/bin/twopoint-calc" geog2grid --zone 31
