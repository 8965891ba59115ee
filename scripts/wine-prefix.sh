#!/bin/bash
# Creates the project's Wine prefix once: 32-bit, code page 936, and unmanaged X11 windows
# (without a window manager Wine otherwise waits about 2 s whenever a window is hidden).
set -eu
. "$(dirname "$0")/wine-env.sh"
ready="$WINEPREFIX/.feijian-ready"
[ -f "$ready" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
echo "creating Wine prefix $WINEPREFIX"
# No Mono or Gecko installer prompts while booting.
env LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wineserver -w
env LC_ALL=zh_CN.UTF-8 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
touch "$ready"
