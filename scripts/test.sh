#!/bin/sh
# Installs what is missing, builds everything and runs every test, then the same under
# AddressSanitizer and UndefinedBehaviorSanitizer (set CORBEL_NO_SANITIZE=1 to skip that pass),
# then fuzzes the design-file reader for about a minute (set CORBEL_NO_FUZZ=1 to skip that).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc 2>/dev/null || echo 2)

# Warnings are errors here, where the compiler is ours; a user's build only shows them.
run_suite() {
  dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DCORBEL_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  # Each suite gets temporary folders of its own, so that runs of other work trees on the same
  # machine never write into the same files.
  mkdir -p "$dir/tmp"
  TMPDIR="$dir/tmp" ctest --test-dir "$dir" -j "$jobs" --output-on-failure --no-tests=error
}

run_suite "$root/build"
if [ "${CORBEL_NO_SANITIZE:-0}" != "1" ]; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-sanitize" -DCORBEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
fi
if [ "${CORBEL_NO_FUZZ:-0}" != "1" ]; then
  "$root/scripts/fuzz.sh"
fi
echo "all tests passed"
