#!/bin/sh
# Runs the real morvakpoisto against a private store and reads its message box
# from the window system of an Xvfb of its own, then presses Return on it.
#
#   poisto_e2e.sh <morvakpoisto> <rekisteriapu> [<wine64> <ruudunluku>]
#
# With wine64 the programs are the Windows builds, run in a fresh Wine prefix,
# and the box's text and buttons are read too; without it they are the Linux
# builds over the SQLite hive, whose box the in-process test reads.
set -eu

TYOKALU=$1
APU=$2
WINE=${3:-}
RUUDUNLUKU=${4:-}

TILAPAIKKA=$(mktemp -d)

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

. "$(dirname "$0")/../support/wineymparisto.sh"

siivoa() {
    if [ -n "$WINE" ]; then
        sammuta_wine
    else
        [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$TILAPAIKKA"
}
trap siivoa EXIT

# Runs one of the two programs on the platform under test.
aja() {
    if [ -n "$WINE" ]; then
        "$WINE" "$@"
    else
        "$@"
    fi
}

# Runs the tool, expects one box titled $1 saying $2, closes it with Return
# and expects the program to be gone right after.
poista_ja_odota() {
    otsikko=$1
    viesti=$2
    aja "$TYOKALU" </dev/null >"$TILAPAIKKA/tyokalu.log" 2>&1 &
    pid=$!
    ikkuna=$(timeout 120 xdotool search --sync --limit 1 --name "^$otsikko\$" || true)
    [ -n "$ikkuna" ] || virhe "ikkunaa \"$otsikko\" ei tullut; näkyvät: $(nakyvat_ikkunat)"
    muut=$(nakyvat_ikkunat | grep -vx "$otsikko" || true)
    [ -z "$muut" ] || virhe "ruudun \"$otsikko\" lisäksi näkyy: $muut"
    [ -z "$WINE" ] || ruudussa_lukee "$otsikko" "painike: OK
teksti: $viesti"
    xdotool windowfocus --sync "$ikkuna" key Return
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        virhe "ohjelma ei päättynyt, kun ruutu \"$otsikko\" suljettiin"
    fi
    wait "$pid" || true
}

# The titles of the mapped top-level windows, one a line.
nakyvat_ikkunat() {
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$id"
    done | sort -u
}

ruudussa_lukee() {
    luettu=$("$WINE" "$RUUDUNLUKU" "$1" | tr -d '\r' | sort)
    [ "$luettu" = "$2" ] || virhe "ruudussa \"$1\" lukee
$luettu
eikä
$2"
}

tila_on() {
    odotettu=$1
    tila=$(aja "$APU" tila | tr -d '\r')
    [ "$tila" = "$odotettu" ] || virhe "rekisterissä
$tila
eikä
$odotettu"
}

kaynnista_xvfb
if [ -n "$WINE" ]; then
    alusta_wine
else
    export XDG_CONFIG_HOME="$TILAPAIKKA/config" QT_QPA_PLATFORM=xcb
    mkdir "$XDG_CONFIG_HOME"
fi

POISTETTU="Morvak-ohjelman järjestelmätiedot poistettu!"
EI_ONNISTU="Morvak-ohjelman järjestelmätietojen poisto ei onnistu."
PELI_TALLENNETTU="peli: False Testaaja
avain: olemassa
vanhempi: olemassa jaa
sisar: jaa"
PELI_POISTETTU="peli: Not Found Not Found
avain: poissa
vanhempi: olemassa jaa
sisar: jaa"

echo "Ei tallennettua mitään: virhe, eikä mitään synny."
poista_ja_odota Virhe "$EI_ONNISTU"
if [ -n "$WINE" ]; then
    tila_on "peli: Not Found Not Found
avain: poissa
vanhempi: poissa Not Found
sisar: Not Found"
else
    [ -z "$(ls -A "$XDG_CONFIG_HOME")" ] || virhe "syntyi: $(ls -AR "$XDG_CONFIG_HOME")"
fi

echo "Pelin tiedot tallessa: poistettu, ja muut arvot jäävät."
aja "$APU" tallenna || virhe "tallennus ei onnistunut"
tila_on "$PELI_TALLENNETTU"
poista_ja_odota Poistettu "$POISTETTU"
tila_on "$PELI_POISTETTU"

echo "Toinen ajo: avain on jo poissa, joten virhe."
poista_ja_odota Virhe "$EI_ONNISTU"
tila_on "$PELI_POISTETTU"

echo "Kaikki kunnossa."
