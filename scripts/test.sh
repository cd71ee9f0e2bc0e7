#!/bin/sh
# Installs what is missing, builds everything and runs every test: the programs and the window
# tests in an optimised build, the core tests in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (set CORBEL_NO_SANITIZE=1 to skip that build and run the core tests
# in the optimised one), then fuzzes the two readers for a bounded time (set CORBEL_NO_FUZZ=1 to
# skip that).
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

# The optimised build compiles without debugging information, which nobody reads here and which
# costs up to a third of a unit's compile time. Every test runs once: the core tests (everything
# but the window layer and the editor's windows, whose tests drive Qt's widgets more than our
# code) under AddressSanitizer and UndefinedBehaviorSanitizer, which check the programs' own
# logic; the optimised build makes the programs and runs the window tests, and the core tests as
# well when the sanitizer pass is skipped.
sanitize=1
[ "${CORBEL_NO_SANITIZE:-0}" = "1" ] && sanitize=0
core_tests=ON
[ "$sanitize" = 1 ] && core_tests=OFF
run_suite "$root/build" all "" -DCORBEL_CORE_TESTS=$core_tests \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
# The sanitizer build is optimised a little (-O1), for faster tests than at -O0; the line tables
# (-g1) are all that the sanitizers' reports need.
if [ "$sanitize" = 1 ]; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-sanitize" corbel_core_tests core -DCORBEL_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DCMAKE_C_FLAGS_DEBUG="-O1 -g1"
fi
if [ "${CORBEL_NO_FUZZ:-0}" != "1" ]; then
  "$root/scripts/fuzz.sh"
fi
echo "all tests passed"
