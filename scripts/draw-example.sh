#!/bin/sh
# Installs what is missing, builds everything and draws the sample design to DXF and PNG
# with cadhost and the drawing plug-in (libcorbeldraw.so).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)"
# The system folder, in which the plug-in finds its title block (Support/tk.dxf), registered as
# the installation would: the value "Location" of the system's machine key.
"$root/build/plugin/tools/corbel-register" "$root"
if [ ! -f "$root/build/plugin/libcorbeldraw.so" ]; then
  echo "built; the drawing command is not there yet (the plug-in libcorbeldraw.so is not built)."
  exit 0
fi
mkdir -p "$root/out"
cd "$root"
"$root/build/host/cadhost" draw examples/sample.glt -o out
