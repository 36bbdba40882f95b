#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite under them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QUADRIX_BUILD_DIR=build-asan
scripts/build.sh -DQUADRIX_SANITIZE=ON -DQUADRIX_BUILD_BENCH=OFF -DQUADRIX_TEST_TIMEOUT=1800
# Qt and fontconfig keep caches until exit, which LeakSanitizer would count.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# A test function may take five minutes by Qt Test's own watchdog; sanitized
# code runs a few times slower.
export QTEST_FUNCTION_TIMEOUT=1500000
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" "$@"
