#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz/ (or
# $TWOPOINT_FUZZ_BUILD_DIR) and runs each for SECONDS (default 25) on its seed
# corpus. New inputs go to build-fuzz/corpus/<target>, never into the
# repository; a finding leaves its input in build-fuzz/findings/ and fails.
# With TWOPOINT_FUZZ_RUNS set, each target instead runs that many inputs from
# a fixed seed, so a run on one machine repeats on another (CI uses this).
#   scripts/fuzz.sh [SECONDS] [TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-25}
shift || true
build_dir=${TWOPOINT_FUZZ_BUILD_DIR:-build-fuzz}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    "${launcher[@]}" -DTWOPOINT_BUILD_FUZZ=ON -DTWOPOINT_BUILD_UI=OFF -DTWOPOINT_BUILD_BENCH=OFF
fi
cmake --build "$build_dir" --target fuzz_targets --parallel "$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build_dir/findings" "$build_dir/logs"
if [ -n "${TWOPOINT_FUZZ_RUNS:-}" ]; then
  budget=(-runs="$TWOPOINT_FUZZ_RUNS" -seed=1)
  what="from seed 1"
else
  budget=(-max_total_time="$seconds")
  what="in ${seconds} s"
fi
for target in "${targets[@]}"; do
  mkdir -p "$build_dir/corpus/$target"
  log="$build_dir/logs/$target.log"
  status=0
  "$build_dir/bin/$target" "${budget[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build_dir/findings/$target-" "$build_dir/corpus/$target" "tests/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: ${runs:-?} executions $what"
  if [ $status -ne 0 ]; then
    echo "fuzz: $target failed (status $status); its input is in $build_dir/findings/, the log in $log" >&2
    grep -E 'invariant broken|ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 >&2 || true
    exit 1
  fi
done
