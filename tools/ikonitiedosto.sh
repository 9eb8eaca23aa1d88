#!/bin/sh
# Puts PNG pictures whole into one Windows icon file, the form Windows Vista
# and later read; each picture's size is taken from its own header.
#
#     ikonitiedosto.sh <out.ico> <picture.png>...
set -e
kohde=$1
shift

tavu() { printf "\\$(printf %03o $(($1 & 255)))"; }
sana() { tavu "$1"; tavu $(($1 >> 8)); }
kaksoissana() { sana $(($1 & 65535)); sana $(($1 >> 16)); }
# Width and height are big-endian words at bytes 16 and 20 of a PNG.
leveys() { od -An -tu1 -j18 -N2 "$1" | awk '{ print $1 * 256 + $2 }'; }
korkeus() { od -An -tu1 -j22 -N2 "$1" | awk '{ print $1 * 256 + $2 }'; }

for kuva in "$@"; do
    [ "$(od -An -c -j1 -N3 "$kuva" | tr -d ' ')" = PNG ] || {
        echo "ikonitiedosto: $kuva is not a PNG picture" >&2
        exit 1
    }
done

{
    sana 0
    sana 1
    sana $#
    paikka=$((6 + 16 * $#))
    for kuva in "$@"; do
        pituus=$(wc -c <"$kuva")
        # 256 is written as 0 in the one byte the format gives a side.
        tavu "$(leveys "$kuva")"
        tavu "$(korkeus "$kuva")"
        tavu 0
        tavu 0
        sana 1
        sana 32
        kaksoissana "$pituus"
        kaksoissana "$paikka"
        paikka=$((paikka + pituus))
    done
    cat "$@"
} >"$kohde.tmp"
mv "$kohde.tmp" "$kohde"
