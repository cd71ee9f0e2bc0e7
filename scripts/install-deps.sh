#!/bin/sh
# Installs the Debian packages the build, the tests and the drawing need; skips what is there.
set -eu
# One package a line, sorted, so that additions from parallel work merge cleanly.
# Qt 6 (painter, SVG and PDF output) and the CJK font draw the drawings headless; python3-ezdxf
# checks saved DXF files; clang builds the fuzzer; Google Benchmark times DXF save and rendering;
# Xvfb (with xauth for xvfb-run) is the X display of the editor's screen test;
# Qt's Chinese texts serve the editor's standard dialogs; zlib compresses the PNG pictures.
packages="
  clang
  cmake
  fonts-noto-cjk
  g++
  libbenchmark-dev
  libclang-rt-14-dev
  libgl-dev
  libgmock-dev
  libgtest-dev
  ninja-build
  pkg-config
  python3-ezdxf
  qt6-base-dev
  qt6-svg-dev
  qt6-translations-l10n
  xauth
  xvfb
  zlib1g-dev
"
missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
