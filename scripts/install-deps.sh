#!/bin/sh
# Installs what the build and the tests need on Debian 12, only what is missing,
# so a second run costs a few dpkg queries and no network.
set -eu

packages="cmake ninja-build make g++ clang libclang-rt-dev googletest python3
mingw-w64 wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils fonts-wqy-zenhei imagemagick"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "need root to install:$missing" >&2; exit 1; }
    exec sudo "$0" "$@"
fi

echo "installing:$missing"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
