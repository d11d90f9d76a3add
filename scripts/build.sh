#!/usr/bin/env bash
# Configures and builds into build/ (or $TWOPOINT_BUILD_DIR); extra arguments go to CMake.
# $TWOPOINT_BUILD_TARGETS (blank-separated) builds only those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TWOPOINT_BUILD_DIR:-build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# ccache, where the machine has it, shares compiled objects between checkouts.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
  # Objects are shared between checkouts in other folders (a CI clone among them):
  # the debug information may then name the folder that compiled them first.
  export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" "${generator[@]}" "${launcher[@]}" "$@"
elif [ $# -gt 0 ]; then
  cmake -S . -B "$build_dir" "$@"
fi
targets=()
for target in ${TWOPOINT_BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
