#!/usr/bin/env bash
# Decodes the same lines through the Linux library and through the DLL under
# Wine, and fails on any difference:
#   compare_decoding.sh native_decode_dump listings_dir wine_runner... decode_dump.exe
# The lines are decode_dump's own and those of every listing in listings_dir.
set -euo pipefail
native_dump=$1 listings=$2
shift 2
files=("$listings"/*.txt)
records=$(mktemp -d)
trap 'rm -rf "$records"' EXIT
"$native_dump" "${files[@]}" > "$records/linux"
"$@" "${files[@]}" | tr -d '\r' > "$records/dll"
if ! diff -u "$records/linux" "$records/dll" > "$records/diff"; then
  head -n 80 "$records/diff"
  exit 1
fi
echo "the DLL and the Linux library decode $(wc -l < "$records/linux") records alike"
