#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine on a virtual X display, in a fresh
# Wine prefix that is removed afterwards:  run_under_wine.sh program.exe [args]
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# No Mono or Gecko: the prefix would otherwise offer to download them.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The Wine server outlives the program; wait for it before the prefix goes.
xvfb-run -a sh -c '/usr/lib/wine/wine64 "$@"; status=$?; /usr/lib/wine/wineserver -w; exit $status' \
  run_under_wine "$@" 2> >(grep -v -e 'syswow64' -e 'has been updated' >&2)
