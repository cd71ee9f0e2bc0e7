#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in their own build folder and fuzzes both side by side for a bounded time (CORBEL_FUZZ_SECONDS,
# 30 by default): the design-file reader from the example designs and the reader's test files,
# the DXF reader from the title-block drawing. Prints each target's rate. Any crash, hang or leak
# stops the script with the input kept in build-fuzz/ and the target's log shown.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
seconds=${CORBEL_FUZZ_SECONDS:-30}

# A unity build, as in scripts/test.sh: half the compile time on two cores. The decoder that
# gets its own coverage options is compiled on its own.
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCORBEL_FUZZ=ON -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target fuzz_design_file fuzz_dxf_reader

mkdir -p "$dir/corpus-design" "$dir/corpus-dxf"
cp "$root"/examples/*.glt "$root"/tests/model/data/*.glt "$root"/tests/model/data/old/*.glt "$dir/corpus-design"/
cp "$root"/Support/*.dxf "$dir/corpus-dxf"/

# The quarantine keeps freed blocks from reuse so that a use after free is caught. At its
# default of 256 MB every input's allocations land on fresh pages, which halves the rate; 10 MB
# holds far more than one input frees.
fuzz() {
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=10 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$dir/fuzz/$1" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$3" \
    -artifact_prefix="$dir/$1-" -print_final_stats=1 "$dir/$2" >"$dir/$1.log" 2>&1
}

# report TARGET STATUS: the target's rate, or its log when it found something.
report() {
  if [ "$2" != 0 ]; then
    cat "$dir/$1.log"
    echo "$1 found a fault (exit status $2): the input is in $dir/$1-*"
    return 1
  fi
  awk -v name="$1" '/stat::number_of_executed_units/ { runs = $2 }
    /stat::average_exec_per_sec/ { rate = $2 }
    END { printf "%s: %d inputs a second, %d inputs\n", name, rate, runs }' "$dir/$1.log"
}

fuzz fuzz_design_file corpus-design 65536 &
design=$!
fuzz fuzz_dxf_reader corpus-dxf 262144 &
dxf=$!
design_status=0
wait "$design" || design_status=$?
dxf_status=0
wait "$dxf" || dxf_status=$?
failed=0
report fuzz_design_file "$design_status" || failed=1
report fuzz_dxf_reader "$dxf_status" || failed=1
[ "$failed" = 0 ] || exit 1
echo "fuzzing found nothing in ${seconds} s for each reader"
