#!/bin/sh
# A Windows test program that needs a screen, under Wine on an Xvfb and a
# Wine prefix of this run's own.
#
#   naytolla.sh <wine64> <test.exe>
set -eu

WINE=$1
OHJELMA=$2
TILAPAIKKA=$(mktemp -d)

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

. "$(dirname "$0")/../support/wineymparisto.sh"

siivoa() {
    sammuta_wine
    rm -rf "$TILAPAIKKA"
}
trap siivoa EXIT

kaynnista_xvfb
alusta_wine
"$WINE" "$OHJELMA"
