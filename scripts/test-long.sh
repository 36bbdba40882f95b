#!/usr/bin/env bash
# The long modes: 10,000 power cuts and 2,000 kills during saves instead of
# 500 and 200, and 100,000 steps of the random walk over the user's commands
# instead of 2,000. The test programs run directly: the suite's ten-minute
# limit per test is too short for them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QUADRIX_LONG=1 QTEST_FUNCTION_TIMEOUT=7200000 QT_QPA_PLATFORM=offscreen
export QUADRIX_TEST_DATA="$PWD/data"
for test in test_disk test_walk; do
  echo "== $test"
  "${QUADRIX_BUILD_DIR:-build}/tests/$test"
done
