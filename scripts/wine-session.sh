#!/bin/bash
# Runs a command inside one test session: a private Xvfb display (unless --user-display
# is given and $DISPLAY is set) and one persistent wineserver for the project's prefix.
# Both stop when the command ends.
set -eu
. "$(dirname "$0")/wine-env.sh"

use_user_display=false
if [ "${1:-}" = --user-display ]; then
    use_user_display=true
    shift
fi

xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if ! $use_user_display || [ -z "${DISPLAY:-}" ]; then
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    export DISPLAY=":$n" FEIJIAN_PRIVATE_DISPLAY=1
fi

"$FEIJIAN_ROOT/scripts/wine-prefix.sh"
wineserver -k 2>/dev/null || true
wineserver -p
# Start Wine's background services now, away from the command's output: started by the
# first test program they would hold its pipes open, and ctest would wait on them.
env LC_ALL=zh_CN.UTF-8 wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
