#!/bin/sh
# Installs the Debian packages the build, the tests and the drawing need; skips what is there.
set -eu
packages="cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev python3-ezdxf clang libclang-rt-14-dev"
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
