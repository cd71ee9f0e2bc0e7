#!/bin/sh
# Installs what is missing, builds what the drawing needs (cadhost, the drawing plug-in
# libcorbeldraw.so, the CAD library and the registration tool, not the tests) and draws the
# sample design to DXF and PNG.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)" --target cadhost corbeldraw corbelkit corbel-register
# The system folder, in which the plug-in finds its title block (Support/tk.dxf), registered as
# the installation would: the value "Location" of the system's machine key.
"$root/build/plugin/tools/corbel-register" "$root"
mkdir -p "$root/out"
cd "$root"
"$root/build/host/cadhost" draw examples/sample.glt -o out
