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
  # A fresh prefix copies some 600 MB (32-bit) or 1.3 GB of Wine's DLLs:
  # in memory that takes a third less time than on disk.
  WINEPREFIX=$(mktemp -d -p "$([ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
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
# wait for a click on a display nobody sees. A hang is ended here, before
# ctest's timeout, which would kill this script before it removes the
# prefix. The Wine server outlives the program; wait for it before the
# prefix goes.
xvfb-run -a sh -c '
  timeout 60 "$0" reg add "HKCU\\Software\\Wine\\WineDbg" /v ShowCrashDialog /t REG_DWORD /d 0 /f > /dev/null
  timeout -k 5 60 "$0" "$@"; status=$?; /usr/lib/wine/wineserver -w; exit $status' \
  "$loader" "$@" 2> >(grep -v -e 'syswow64' -e 'has been updated' -e 'created the configuration' >&2)
