#!/usr/bin/env bash
# Installs the build into a temporary prefix, builds C callers of both
# libraries against it once with find_package and once with pkg-config, runs
# them, then makes the Debian packages and runs qorda-ls from the unpacked
# tool package.
#   check_install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > /dev/null
libdir=$(dirname "$(find "$work/prefix" -name 'libqordahosts.so.1' | head -n 1)")
test -L "$libdir/libqordahosts.so"
objdump -p "$libdir/libqordahosts.so.1" | grep -q 'SONAME *libqordahosts.so.1$'
objdump -p "$libdir/libqordahosts_guess.so.1" | grep -q 'SONAME *libqordahosts_guess.so.1$'

cmake -S "$source/tests/install/consumer" -B "$work/find-package" \
  -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null
cmake --build "$work/find-package" > /dev/null
LD_LIBRARY_PATH=$libdir "$work/find-package/consumer"
LD_LIBRARY_PATH=$libdir "$work/find-package/guess_consumer"

export PKG_CONFIG_PATH=$libdir/pkgconfig
cc -std=c99 -Wall -Werror -o "$work/pkg-config-consumer" \
  "$source/tests/install/consumer/consumer.c" $(pkg-config --cflags --libs qordahosts)
LD_LIBRARY_PATH=$libdir "$work/pkg-config-consumer"
cc -std=c99 -Wall -Werror -o "$work/pkg-config-guess-consumer" \
  "$source/tests/guess/c_caller.c" $(pkg-config --cflags --libs qordahosts_guess)
LD_LIBRARY_PATH=$libdir "$work/pkg-config-guess-consumer"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > /dev/null)
for package in "$work"/*.deb; do dpkg -x "$package" "$work/root"; done
depends=$(dpkg-deb -f "$work"/libqordahosts1_*.deb Depends)
echo "libqordahosts1 depends on: $depends"
if echo "$depends" | tr ',' '\n' | grep -v -E '^ *(libc6|libgcc-s1|libstdc\+\+6)( |$)'; then
  echo "the library package depends on more than the C and C++ runtimes" >&2
  exit 1
fi
LD_LIBRARY_PATH=$(dirname "$(find "$work/root" -name 'libqordahosts.so.*' | head -1)") \
  "$work/root/usr/bin/qorda-ls" --version
