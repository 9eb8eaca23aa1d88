#!/bin/sh
# Installs a finished build under a prefix of its own into a fresh staging
# folder, the way a distribution's packaging does.
#
#     asennus.sh <cmake> <build folder> <staging folder> <prefix>
set -e
cmake=$1
rakennus=$2
juuri=$3
etuliite=$4

rm -rf "$juuri"
mkdir -p "$juuri"
DESTDIR=$juuri "$cmake" --install "$rakennus" --prefix "$etuliite" >"$juuri.log"
