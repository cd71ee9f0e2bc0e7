#!/bin/sh
# Installs what is missing, builds everything and runs every test once, in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (set CORBEL_NO_SANITIZE=1 for a plain optimised
# build instead), then fuzzes the two readers for a bounded time (set CORBEL_NO_FUZZ=1 to skip
# that).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc 2>/dev/null || echo 2)

# Warnings are errors here, where the compiler is ours; a user's build only shows them. Most
# targets compile their sources a few to a unit (a unity build): the headers are read once per
# unit instead of once per file, which saves most of a clean build's time.
# run_suite DIR TARGET LABEL CMAKE-OPTIONS...: builds TARGET in DIR and runs the tests labelled
# LABEL ("" for all of them).
run_suite() {
  dir=$1 target=$2 label=$3; shift 3
  cmake -S "$root" -B "$dir" -G Ninja -DCORBEL_WERROR=ON -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" --target "$target"
  # Each suite gets temporary folders of its own, so that runs of other work trees on the same
  # machine never write into the same files.
  mkdir -p "$dir/tmp"
  TMPDIR="$dir/tmp" ctest --test-dir "$dir" -j "$jobs" --output-on-failure --no-tests=error \
    ${label:+-L "$label"}
}

# One build makes the programs and every test program and runs them all. With the sanitizers it
# is optimised a little (-O1), for tests much faster than at -O0, with the line tables (-g1) that
# the sanitizers' reports need. The plain build compiles without debugging information, which
# nobody reads here and which costs up to a third of a unit's compile time.
if [ "${CORBEL_NO_SANITIZE:-0}" = "1" ]; then
  run_suite "$root/build" all "" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
else
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-sanitize" all "" -DCORBEL_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DCMAKE_C_FLAGS_DEBUG="-O1 -g1"
fi
if [ "${CORBEL_NO_FUZZ:-0}" != "1" ]; then
  "$root/scripts/fuzz.sh"
fi
echo "all tests passed"
