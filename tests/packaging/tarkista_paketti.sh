#!/bin/sh
# Checks what the package tells the package manager: its name and version,
# the libraries it needs, and that the AppStream description names the same
# release.
#
#     tarkista_paketti.sh <work folder of paketti.sh>
set -e
tyo=$1
set -- "$tyo"/morvak_*.deb
paketti=$1
virheita=0

virhe() {
    echo "$*"
    virheita=$((virheita + 1))
}

[ "$(dpkg-deb -f "$paketti" Package)" = morvak ] || virhe "the package is not named morvak"
[ "$(dpkg-deb -f "$paketti" Section)" = non-free/games ] ||
    virhe "the package is not in the section non-free/games"

riippuvuudet=$(dpkg-deb -f "$paketti" Depends)
for tarve in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libstdc++6 qt6-translations-l10n \
    "fonts-liberation | fonts-liberation2" libcanberra0; do
    echo "$riippuvuudet" | tr ',' '\n' | grep -q "^ *$tarve\b" ||
        virhe "Depends lacks $tarve: $riippuvuudet"
done

versio=$(dpkg-deb -f "$paketti" Version)
julkaisu=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$tyo/juuri/usr/share/metainfo/fi.relvano.Morvak.metainfo.xml" | head -n 1)
[ "$julkaisu" = "$versio" ] || virhe "the newest release in the metainfo is $julkaisu, the package is $versio"

[ "$virheita" -eq 0 ]
