#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while
# (default 60 seconds). A finding is kept in build-fuzz/findings/; copy it to
# tests/fuzz/regressions/<target>/ so the ordinary test run repeats it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
QUADRIX_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUADRIX_FUZZ=ON -DQUADRIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_teamlist fuzz_money fuzz_poolrow fuzz_poolfile
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
status=0
passed=0
failed=0
for target in teamlist money poolrow poolfile; do
  work=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  mkdir -p "$work" "$findings"
  echo "fuzzing $target for ${seconds}s"
  set +e
  build-fuzz/tests/fuzz_$target "$work" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1 \
    >"build-fuzz/$target.log" 2>&1
  rc=$?
  set -e
  grep -E '^stat::number_of_executed_units' "build-fuzz/$target.log" || true
  if [[ $rc -ne 0 ]]; then
    tail -40 "build-fuzz/$target.log" >&2
    echo "fuzz_$target found a problem: see build-fuzz/$target.log and $findings" >&2
    status=1
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
