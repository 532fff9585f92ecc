#!/usr/bin/env bash
# Installs the built library into a scratch prefix, then builds and runs a
# consumer that finds it with find_package and checks the pkg-config file.
# Usage: check_install.sh <build-dir> <scratch-dir>
set -euo pipefail
build=$1
scratch=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$here/consumer" -B "$scratch/consumer" -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/consumer" >/dev/null
LD_LIBRARY_PATH="$scratch/prefix/lib" "$scratch/consumer/consumer"
flags=$(PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig" pkg-config --cflags --libs zarnrobotcontroller)
case "$flags" in
  *-lzarnrobotcontroller*) echo "pkg-config: $flags" ;;
  *) echo "pkg-config gave: $flags" >&2; exit 1 ;;
esac
readelf -d "$scratch/prefix/lib/libzarnrobotcontroller.so" | grep -q 'SONAME.*libzarnrobotcontroller.so.2'
