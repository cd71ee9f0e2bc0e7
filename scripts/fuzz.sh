#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in their own build folder and fuzzes each for a bounded time (CORBEL_FUZZ_SECONDS each, 30 by
# default): the design-file reader from the example designs and the reader's test files, the
# DXF reader from the title-block drawing. Any crash, hang or leak stops
# the script with the input kept in build-fuzz/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
seconds=${CORBEL_FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCORBEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target fuzz_design_file fuzz_dxf_reader

mkdir -p "$dir/corpus-design" "$dir/corpus-dxf"
cp "$root"/examples/*.glt "$root"/tests/model/data/*.glt "$root"/tests/model/data/old/*.glt "$dir/corpus-design"/
cp "$root"/Support/*.dxf "$dir/corpus-dxf"/

fuzz() {
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$dir/fuzz/$1" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$3" \
    -artifact_prefix="$dir/$1-" -print_final_stats=1 "$dir/$2"
}
fuzz fuzz_design_file corpus-design 65536
fuzz fuzz_dxf_reader corpus-dxf 262144
echo "fuzzing found nothing in ${seconds} s for each reader"
