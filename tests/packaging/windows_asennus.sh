#!/bin/sh
# The Windows packages as a player meets them: the zip holds the four files,
# and the installer, run silently in a Wine prefix of this run's own, puts
# them under Program Files with their Start menu shortcuts and their entry in
# the installed programs; the game starts from its shortcut, and uninstalling
# takes away all the package brought and nothing of the player's own. A later
# version installed over it replaces it.
#
#   windows_asennus.sh <morvak.msi> <later version's .msi> <morvak.zip> <build folder> \
#                      <wine64> <ikkunaluku.exe> <cmake>
set -eu

MSI=$1
MYOHEMPI=$2
ZIP=$3
KANSIO=$4
WINE=$5
LUKU=$6
CMAKE=$7

TILAPAIKKA=$(mktemp -d)
PELIN_AVAIN='HKCU\Software\Relvano\Morvak 1.2 Freeware'
POISTOT='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

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

ikkunaton() {
    "$WINE" "$@" 2>/dev/null | tr -d '\r'
}

windows_polku() {
    printf 'Z:%s' "$(printf %s "$1" | tr / '\\')"
}

# The package's shortcuts in the Start menu. Windows puts a per-machine
# package's shortcuts into the common menu, Wine into the user's: either counts.
pikakuvakkeet() {
    find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu" \
        "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu" \
        -iname '*morvak*' | sort
}

valikossa() {
    pikakuvakkeet | sed 's|.*/||'
}

# The values of the uninstall entry named Morvak, "name = data" a line;
# nothing when there is none.
poistotiedot() {
    ikkunaton reg query "$POISTOT" | grep '^HKEY' | while read -r avain; do
        arvot=$(ikkunaton reg query "$avain" | sed -n 's/^ *\([A-Za-z]*\) *REG_[A-Z_]* *\(.*\)$/\1 = \2/p')
        if printf '%s\n' "$arvot" | grep -qxF "DisplayName = Morvak"; then printf '%s\n' "$arvot" | sort; fi
    done
}

asenna() {
    "$WINE" msiexec /i "$(windows_polku "$1")" /qn >/dev/null 2>&1 || virhe "$1: asennus epäonnistui"
}

poista() {
    "$WINE" msiexec /x "$(windows_polku "$1")" /qn >/dev/null 2>&1 || virhe "$1: poisto epäonnistui"
}

# The four files as built, both shortcuts, and one entry in the installed
# programs, of the version given.
asennettu() {
    [ "$(ls "$OHJELMAT")" = "license.txt
morvak.exe
morvakpoisto.exe
readme.txt" ] || virhe "asennuskansiossa on $(ls "$OHJELMAT")"
    for tiedosto in license.txt morvak.exe morvakpoisto.exe readme.txt; do
        cmp -s "$KANSIO/$tiedosto" "$OHJELMAT/$tiedosto" || virhe "asennettu $tiedosto eroaa käännetystä"
    done
    [ "$(valikossa)" = "Morvak.lnk
Morvakin tietojen poisto.lnk" ] || virhe "Käynnistä-valikossa on $(valikossa)"
    tiedot=$(poistotiedot)
    [ "$(printf '%s\n' "$tiedot" | grep -c '^DisplayName = ')" -eq 1 ] || virhe "poistotiedot:
$tiedot"
    for rivi in "DisplayName = Morvak" "Publisher = Relvano" "DisplayVersion = $1" \
        "HelpLink = https://www.morvak.fi/morvak/"; do
        printf '%s\n' "$tiedot" | grep -qxF "$rivi" || virhe "poistotiedoista puuttuu \"$rivi\":
$tiedot"
    done
}

# Nothing of the package left.
poissa() {
    [ ! -e "$OHJELMAT" ] || virhe "asennuskansio jäi: $(ls -A "$OHJELMAT")"
    [ -z "$(valikossa)" ] || virhe "Käynnistä-valikkoon jäi $(valikossa)"
    [ -z "$(poistotiedot)" ] || virhe "poistotiedot jäivät"
}

pelaajan_arvo_tallella() {
    arvo=$(ikkunaton reg query "$PELIN_AVAIN" /v ParasPelaaja0 | sed -n 's/^ *ParasPelaaja0 *REG_SZ *//p')
    [ "$arvo" = Asentaja ] || virhe "pelin avaimessa ParasPelaaja0 = \"$arvo\" eikä Asentaja"
}

echo "Zip: täsmälleen neljä tiedostoa."
[ "$("$CMAKE" -E tar tf "$ZIP" | sort)" = "license.txt
morvak.exe
morvakpoisto.exe
readme.txt" ] || virhe "zipissä on $("$CMAKE" -E tar tf "$ZIP")"

kaynnista_xvfb
alusta_wine
OHJELMAT="$WINEPREFIX/drive_c/Program Files/Morvak"

echo "Hiljainen asennus: tiedostot, pikakuvakkeet ja asennettujen ohjelmien luettelo."
asenna "$MSI"
asennettu 1.2.0

echo "Peli käynnistyy pikakuvakkeesta ja näyttää ikkunansa."
"$WINE" start /unix "$(pikakuvakkeet | grep '/Morvak.lnk$')" >/dev/null 2>&1
"$WINE" "$LUKU" odota Morvak >/dev/null 2>&1 || virhe "pääikkuna ei tullut"
"$WINE" "$LUKU" sulje Morvak >/dev/null 2>&1
"$WINE" "$LUKU" paina Lopeta "&Kyllä" >/dev/null 2>&1 || virhe "lopetusta ei voitu vahvistaa"
"$WINE" "$LUKU" poissa Morvak >/dev/null 2>&1 || virhe "peli ei päättynyt"
odota_wine || virhe "peli ei päättynyt ikkunansa jälkeen"

echo "Hiljainen poisto jättää pelaajan tiedot."
"$WINE" reg add "$PELIN_AVAIN" /v ParasPelaaja0 /d Asentaja /f >/dev/null 2>&1
poista "$MSI"
poissa
pelaajan_arvo_tallella

echo "Myöhempi versio korvaa tämän."
asenna "$MSI"
asenna "$MYOHEMPI"
asennettu 1.3.0
poista "$MYOHEMPI"
poissa
pelaajan_arvo_tallella

echo "Kaikki kunnossa."
