#!/usr/bin/env bash
# The threaded tests (link and metering) again under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
# One test program per sub-folder of tests/link and tests/metering.
for dir in tests/link/*/ tests/metering/*/; do
  ls "$dir"*_test.cpp >/dev/null 2>&1 || continue
  sub=${dir#tests/}
  sub=${sub%/}
  targets+=("${sub//\//_}_test")
done
[ ${#targets[@]} -eq 0 ] && { echo "== no threaded tests yet"; exit 0; }
echo "== ThreadSanitizer: ${targets[*]}"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQX_WERROR=ON -DQX_TSAN=ON -DQX_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$(nproc)" --target "${targets[@]}"
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}
status=0
for t in "${targets[@]}"; do
  QT_QPA_PLATFORM=offscreen build-tsan/tests/"$t" --gtest_brief=1 || status=1
done
exit $status
