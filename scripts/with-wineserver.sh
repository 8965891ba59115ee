#!/bin/bash
# Runs a command with one persistent wineserver for the project's prefix, so that the
# Wine programs it starts share a running server, and stops that server afterwards.
set -eu
. "$(dirname "$0")/wine-env.sh"
"$FEIJIAN_ROOT/scripts/wine-prefix.sh"
wineserver -k 2>/dev/null || true
wineserver -p
# Start Wine's background services now, away from the command's output: started by the
# first test program they would hold its pipes open, and ctest would wait on them.
env LC_ALL=zh_CN.UTF-8 wine cmd /c exit </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
"$@"
