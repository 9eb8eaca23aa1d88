#!/bin/sh
# Builds the Debian package of a finished build and unpacks it into a fresh
# root, leaving the package beside it.
#
#     paketti.sh <cpack> <build folder> <work folder>
set -e
cpack=$1
rakennus=$2
tyo=$3

rm -rf "$tyo"
mkdir -p "$tyo"
if ! "$cpack" -G DEB --config "$rakennus/CPackConfig.cmake" -B "$tyo" >"$tyo/cpack.log" 2>&1; then
    cat "$tyo/cpack.log"
    exit 1
fi
set -- "$tyo"/morvak_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected one package in $tyo, found: $*"
    exit 1
fi
dpkg-deb -x "$1" "$tyo/juuri"
