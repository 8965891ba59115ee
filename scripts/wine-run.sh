#!/bin/bash
# Runs a Windows program in the project's prefix; CMake uses it as the cross-compiling emulator.
set -eu
. "$(dirname "$0")/wine-env.sh"
"$FEIJIAN_ROOT/scripts/wine-prefix.sh"
exec env LC_ALL=zh_CN.UTF-8 wine "$@"
