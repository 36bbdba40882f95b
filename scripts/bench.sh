#!/usr/bin/env bash
# Installs what is missing, builds an optimised Quadrix and runs the speed
# benchmark; the table is printed and written to bench.csv.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
QUADRIX_BUILD_DIR=${QUADRIX_BUILD_DIR:-build-release} scripts/build.sh -DCMAKE_BUILD_TYPE=Release
"${QUADRIX_BUILD_DIR:-build-release}/quadrix_bench" --csv bench.csv "$@"
