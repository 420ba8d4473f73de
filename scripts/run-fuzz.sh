#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly from its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "== clang missing: fuzz targets skipped"; exit 0; }
ls fuzz/*_fuzz.cpp >/dev/null 2>&1 || { echo "== no fuzz targets yet"; exit 0; }
seconds=${QX_FUZZ_SECONDS:-5}
echo "== fuzz targets, ${seconds} s each"
targets=()
for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_FUZZ=ON >/dev/null
# Only the fuzz programs and the parsers they link: the console itself is built twice already.
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=0
status=0
for src in fuzz/*_fuzz.cpp; do
  name=$(basename "$src" .cpp)
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
  if build-fuzz/fuzz/"$name" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 \
       "$work" "${seeds[@]}" >build-fuzz/"$name".log 2>&1; then
    echo "   $name: ok"
  else
    echo "   $name: FAILED (see build-fuzz/$name.log)"
    tail -30 build-fuzz/"$name".log
    status=1
  fi
done
exit $status
