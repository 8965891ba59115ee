# Sourced: the environment every Wine run of this project shares.
# A 32-bit prefix under build/ whose ANSI code page is 936 (GBK), as on Chinese Windows.
FEIJIAN_ROOT=$(CDPATH= cd -- "$(dirname -- "${BASH_SOURCE:-$0}")/.." && pwd)
export WINEPREFIX="${FEIJIAN_WINEPREFIX:-$FEIJIAN_ROOT/build/wine}"
export WINEARCH=win32
export WINEDEBUG=-all
# Debian ships no Wine Gecko: the browser controls still make their requests, and
# disabling mshtml keeps Wine from complaining about the missing engine on every start.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mshtml=d}"
