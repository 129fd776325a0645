#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in a fresh Wine
# prefix that is removed afterwards:  run_under_wine.sh 32|64 program.exe [args]
# 32 runs it with the 32-bit loader in a 32-bit prefix, 64 with wine64.
# QORDA_WINE_PREFIX names a prefix to use and keep instead (a benchmark's,
# of the same bitness); an inherited WINEPREFIX is not used.
set -euo pipefail
bits=$1
shift
WINEPREFIX=${QORDA_WINE_PREFIX:-}
if [ -z "$WINEPREFIX" ]; then
  WINEPREFIX=$(mktemp -d)
  trap 'rm -rf "$WINEPREFIX"' EXIT
fi
# No Mono or Gecko: the prefix would otherwise offer to download them.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case $bits in
  32) loader=/usr/lib/wine/wine && export WINEARCH=win32 ;;
  64) loader=/usr/lib/wine/wine64 ;;
  *) echo "run_under_wine.sh: 32 or 64, not '$bits'" >&2 && exit 2 ;;
esac
# A crash prints a backtrace and ends the program: the crash dialog would
# wait for a click on a display nobody sees. The Wine server outlives the
# program; wait for it before the prefix goes.
xvfb-run -a sh -c '
  "$0" reg add "HKCU\\Software\\Wine\\WineDbg" /v ShowCrashDialog /t REG_DWORD /d 0 /f > /dev/null
  "$0" "$@"; status=$?; /usr/lib/wine/wineserver -w; exit $status' \
  "$loader" "$@" 2> >(grep -v -e 'syswow64' -e 'has been updated' -e 'created the configuration' >&2)
