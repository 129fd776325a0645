#!/usr/bin/env bash
# Builds the C caller of consumer/ in each way another project takes the
# library in, and runs it: add_subdirectory of the source (static, as a
# project that sets BUILD_SHARED_LIBS=OFF gets it), FetchContent of the
# source (shared), and find_package and pkg-config of an installed static
# library, whose archive must define the exports and nothing else.
#   check_consumers.sh SOURCE_DIR
set -euo pipefail
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

consume() {  # name, configure options...
  local name=$1
  shift
  cmake -S "$source/tests/install/consumer" -B "$work/$name" "$@" > /dev/null
  cmake --build "$work/$name" -j "$(nproc)" > /dev/null
  "$work/$name/guess_consumer"
  echo "$name: $("$work/$name/consumer"), and the guess"
}
consume add_subdirectory -DQORDA_USE=add_subdirectory -DQORDA_SOURCE_DIR="$source" \
  -DBUILD_SHARED_LIBS=OFF
consume FetchContent -DQORDA_USE=FetchContent -DQORDA_SOURCE_DIR="$source"

cmake -S "$source" -B "$work/static" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
  -DQORDA_BUILD_TESTS=OFF -DQORDA_BUILD_TOOLS=OFF > /dev/null
cmake --build "$work/static" -j "$(nproc)" > /dev/null
cmake --install "$work/static" --prefix "$work/prefix" > /dev/null
archive=$(find "$work/prefix" -name libqordahosts.a)
cmake -DLIBRARY="$archive" -DEXPORT_LIST="$source/src/exports.txt" \
  -P "$source/tests/check_exports.cmake"
cmake -DLIBRARY="$(dirname "$archive")/libqordahosts_guess.a" \
  -DEXPORT_LIST="$source/src/guess/exports.txt" -P "$source/tests/check_exports.cmake"
consume find_package -DCMAKE_PREFIX_PATH="$work/prefix"
export PKG_CONFIG_PATH=$(dirname "$archive")/pkgconfig
cc -o "$work/pkg-config-consumer" "$source/tests/install/consumer/consumer.c" \
  $(pkg-config --static --cflags --libs qordahosts)
echo "pkg-config --static: $("$work/pkg-config-consumer")"
