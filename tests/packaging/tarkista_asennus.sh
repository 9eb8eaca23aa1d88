#!/bin/sh
# Checks an installed tree as a desktop sees it: both programs, a valid menu
# entry that starts the installed game by its full path and names an installed
# icon, the AppStream description, and nothing outside the prefix.
#
#     tarkista_asennus.sh <root> <prefix>
set -e
juuri=$1
etuliite=$2
tunnus=fi.relvano.Morvak
paikka=$juuri$etuliite
virheita=0

virhe() {
    echo "$*"
    virheita=$((virheita + 1))
}

for ohjelma in morvak morvakpoisto; do
    [ -f "$paikka/games/$ohjelma" ] && [ -x "$paikka/games/$ohjelma" ] ||
        virhe "games/$ohjelma is missing or not executable"
done

vieraat=$(find "$juuri" -mindepth 1 \( -type f -o -type l \) ! -path "$paikka/*")
[ -z "$vieraat" ] || virhe "installed outside $etuliite: $vieraat"

valikko=$paikka/share/applications/$tunnus.desktop
if [ -f "$valikko" ]; then
    desktop-file-validate "$valikko" || virhe "$tunnus.desktop does not validate"
    komento=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$valikko")
    [ "$komento" = "$etuliite/games/morvak" ] || virhe "Exec=$komento is not $etuliite/games/morvak"
    kuvake=$(sed -n 's/^Icon=//p' "$valikko")
    for koko in 16 24 32 48 64 128 256; do
        [ -f "$paikka/share/icons/hicolor/${koko}x$koko/apps/$kuvake.png" ] ||
            virhe "Icon=$kuvake has no ${koko}x$koko picture in the hicolor theme"
    done
else
    virhe "no menu entry $tunnus.desktop"
fi

# The launchable desktop entry is looked up in the same tree.
appstreamcli validate-tree --no-net --strict "$paikka" || virhe "the AppStream description does not validate"

[ "$virheita" -eq 0 ]
