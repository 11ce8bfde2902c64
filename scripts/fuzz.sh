#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds,
# starting from seeds taken from the examples and tests/fuzz/seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSPRIGWORK_FUZZ=ON
cmake --build build-fuzz -j "$(nproc)"

failed=0
for target in build-fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  case $name in
    fuzz_definition) cp examples/*.ls "$corpus"/ 2>/dev/null || true ;;
    fuzz_options) cp examples/*.op "$corpus"/ 2>/dev/null || true ;;
    fuzz_interpret) cp tests/fuzz/seeds/fuzz_string_file/* "$corpus"/ ;;
  esac
  [ -d "tests/fuzz/seeds/$name" ] && cp "tests/fuzz/seeds/$name"/* "$corpus"/
  echo "Fuzzing $name for $seconds s"
  if ! "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 "$corpus" \
      > "build-fuzz/$name.log" 2>&1; then
    echo "$name found a failure:"
    tail -n 40 "build-fuzz/$name.log"
    failed=1
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "fuzz: 0 passed, failures found"
  exit 1
fi
echo "fuzz: all targets ran clean"
