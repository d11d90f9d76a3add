#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
build_dir=${TWOPOINT_BUILD_DIR:-build}
# A build folder that run.sh made without the tests gets them back.
configure=()
if [ -f "$build_dir/CMakeCache.txt" ] && grep -q '^BUILD_TESTING:BOOL=OFF' "$build_dir/CMakeCache.txt"; then
  configure=(-DBUILD_TESTING=ON)
fi
scripts/build.sh "${configure[@]}"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
