#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless: the suite,
# the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for 60 seconds. QUADRIX_QUICK=1 runs the suite alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${QUADRIX_BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" "$@"
if [[ "${QUADRIX_QUICK:-0}" != 1 ]]; then
  scripts/sanitize.sh
  scripts/fuzz.sh 60
fi
