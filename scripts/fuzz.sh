#!/bin/sh
# Builds the design-file fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder, and fuzzes the reader for a bounded time
# (CORBEL_FUZZ_SECONDS, 60 by default) from the example designs and the reader's test files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
seconds=${CORBEL_FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCORBEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target fuzz_design_file

corpus="$dir/corpus"
mkdir -p "$corpus"
cp "$root"/examples/*.glt "$root"/tests/model/data/*.glt "$root"/tests/model/data/old/*.glt "$corpus"/

ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$dir/fuzz/fuzz_design_file" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$dir/" -print_final_stats=1 "$corpus"
echo "fuzzing found nothing in ${seconds} s"
