#!/usr/bin/env bash
# Builds the libraries, twopoint-calc and the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (or $TWOPOINT_ASAN_BUILD_DIR),
# without the desktop program and the benchmarks, and runs the tests. Any
# sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TWOPOINT_ASAN_BUILD_DIR:-build-asan}
TWOPOINT_BUILD_DIR=$build_dir scripts/build.sh -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTWOPOINT_SANITIZE=ON \
  -DTWOPOINT_BUILD_UI=OFF -DTWOPOINT_BUILD_BENCH=OFF
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
