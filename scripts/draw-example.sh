#!/bin/sh
# Installs what is missing, builds everything and draws the sample design to DXF and PNG.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)"
# The system folder, in which the plug-in finds its title block (Support/tk.dxf), registered as
# the installation would: the value "Location" of the system's machine key.
"$root/build/plugin/tools/corbel-register" "$root"
if [ ! -x "$root/build/host/cadhost" ]; then
  echo "built; the drawing command (cadhost draw) is not there yet."
  exit 0
fi
mkdir -p "$root/out"
"$root/build/host/cadhost" draw "$root/examples/sample.glt" -o "$root/out"
