#!/usr/bin/env bash
# Decodes the same lines through the DLL under Wine and through the Linux
# library, and fails on any difference:
#   compare_decoding.sh run_under_wine.sh decode_dump.exe native_decode_dump
set -euo pipefail
wine_runner=$1 windows_dump=$2 native_dump=$3
diff -u <("$native_dump") <("$wine_runner" "$windows_dump" | tr -d '\r')
echo "the DLL and the Linux library decode alike"
