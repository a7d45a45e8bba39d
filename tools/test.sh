#!/bin/bash
# Sets up, builds and runs every test:
#   1. the GCC tree: unit tests, window tests and end-to-end tests; the
#      benchmarks are built there but not run;
#   2. the clang tree with AddressSanitizer and UndefinedBehaviorSanitizer:
#      the unit tests again, and every fuzz target for a bounded time.
# Any sanitizer report, fuzz finding or failed test fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DZV_TESTS=ON -DZV_WERROR=ON -DZV_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-san -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DZV_TESTS=ON -DZV_WERROR=ON -DZV_SANITIZE=ON -DZV_FUZZ=ON >/dev/null
cmake --build build-san -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

status=0
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd build-san && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
exit $status
