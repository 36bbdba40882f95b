#!/usr/bin/env bash
# The long modes: 2,000 kills during saves instead of 200.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
QUADRIX_LONG=1 ctest --test-dir "${QUADRIX_BUILD_DIR:-build}" --output-on-failure -R test_crash --timeout 3600
