#!/bin/bash
# Creates the project's Wine prefix once: 32-bit, code page 936, unmanaged X11 windows
# (without a window manager Wine otherwise waits about 2 s whenever a window is hidden),
# and CJK fonts that render crisply at the 12-pixel size of the GUI font.
set -eu
. "$(dirname "$0")/wine-env.sh"
settings_version=3
ready="$WINEPREFIX/.feijian-ready"
[ "$(cat "$ready" 2>/dev/null)" = "$settings_version" ] && exit 0

wine_here() { env LC_ALL=zh_CN.UTF-8 "$@"; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # No Mono or Gecko installer prompts while booting.
    WINEDLLOVERRIDES="mscoree,mshtml=" wine_here wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wine_here wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The outline face of WenQuanYi Zen Hei loses strokes at 12 pixels; its bitmap face
# ("Sharp") stands in for the fonts that Chinese Windows uses for dialogs and controls.
for face in SimSun NSimSun 宋体 "MS Shell Dlg" "MS Shell Dlg 2" Tahoma "Microsoft Sans Serif"; do
    wine_here wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" \
        /d "WenQuanYi Zen Hei Sharp" /f >/dev/null 2>&1
done
# Wine draws the caption buttons with Marlett, which it does not find in its own data
# directory here; in the prefix's font folder it does.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w
echo "$settings_version" >"$ready"
