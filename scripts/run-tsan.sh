#!/usr/bin/env bash
# The threaded tests (link and metering) again under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
for t in link metering; do
  ls tests/$t/*_test.cpp >/dev/null 2>&1 && targets+=("${t}_test")
done
[ ${#targets[@]} -eq 0 ] && { echo "== no threaded tests yet"; exit 0; }
echo "== ThreadSanitizer: ${targets[*]}"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQX_WERROR=ON -DQX_TSAN=ON -DQX_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$(nproc)" --target "${targets[@]}"
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}
ctest --test-dir build-tsan -j"$(nproc)" --output-on-failure --timeout 300 -R "$(IFS='|'; echo "${targets[*]}" | sed 's/_test//g')" \
  || ctest --test-dir build-tsan --output-on-failure --timeout 300 --rerun-failed
