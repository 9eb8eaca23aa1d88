#!/bin/sh
# A match between the two faces over the loopback: the Qt morvak waits for an
# opponent, the real morvak.exe under Wine finds its game and joins, both play
# one whole game by keyboard, and the Qt side asks for another.
#
#   verkkopeli_e2e.sh <morvak.exe> <wine64> <ikkunaluku.exe> <Qt morvak>
#
# Both run on an Xvfb of the run's own; morvak.exe is read through
# ikkunaluku.exe, the Qt program through what the X server knows of it.
set -eu

PELI=$1
WINE=$2
LUKU=$3
QT_PELI=$4

TILAPAIKKA=$(mktemp -d)
QT_PID=""

# The Wine server ends morvak.exe with the prefix's own programs: a loader
# killed first would leave the server to shut down on its own, and those
# programs behind, holding the run's output open.
siivoa() {
    [ -z "$QT_PID" ] || kill "$QT_PID" 2>/dev/null || true
    sammuta_wine
    rm -rf "$TILAPAIKKA"
}
trap siivoa EXIT

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

. "$(dirname "$0")/../support/wineymparisto.sh"

luku() {
    tila=0
    "$WINE" "$LUKU" "$@" >"$TILAPAIKKA/luettu" || tila=$?
    tr -d '\r' <"$TILAPAIKKA/luettu"
    return $tila
}

# A port no socket of this machine holds, TCP or UDP, in any address.
vapaa_portti() {
    kaytetyt=$(awk 'NR > 1 { sub(/.*:/, "", $2); print $2 }' \
        /proc/net/tcp /proc/net/tcp6 /proc/net/udp /proc/net/udp6 2>/dev/null)
    for portti in $(shuf -i 20000-60999 -n 50); do
        if ! echo "$kaytetyt" | grep -qx "$(printf '%04X' "$portti")"; then
            echo "$portti"
            return
        fi
    done
    virhe "vapaata porttia ei löytynyt"
}

# Some program listens on the game's TCP port.
kuuntelee() {
    awk -v p="$(printf ':%04X' "$PORTTI")" 'NR > 1 && $4 == "0A" && substr($2, length($2) - 4) == p { l = 1 }
        END { exit !l }' /proc/net/tcp /proc/net/tcp6 2>/dev/null
}

# The X window so titled, once it shows, other than the ones given.
ikkuna() {
    otsikko=$1
    shift
    for _ in $(seq 600); do
        loydetty=$(xdotool search --onlyvisible --name "^$otsikko\$" 2>/dev/null |
            grep -vxF "$(printf '%s\n' "$@" 0)" | head -n 1 || true)
        [ -z "$loydetty" ] || break
        sleep 0.1
    done
    [ -n "$loydetty" ] || virhe "ikkunaa \"$otsikko\" ei tullut"
    echo "$loydetty"
}

# Keys go to the window that has the X focus.
nappaile() {
    kohde=$1
    shift
    timeout 30 xdotool windowfocus --sync "$kohde" key --delay 50 "$@" ||
        virhe "näppäimet $* eivät menneet ikkunaan $kohde"
}

kirjoita() {
    timeout 30 xdotool windowfocus --sync "$1" type --delay 50 "$2" ||
        virhe "teksti $2 ei mennyt ikkunaan $1"
}

lukee() {
    luettu=$(luku lue "$1")
    [ "$luettu" = "$2" ] || virhe "ikkunassa \"$1\" lukee
$luettu
eikä
$2"
}

# The keys that take a grid's keyboard square from one square to another.
siirto() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        ar = int((a - 1) / 10); ac = (a - 1) % 10; br = int((b - 1) / 10); bc = (b - 1) % 10
        for (; ar < br; ar++) printf "Down "; for (; ar > br; ar--) printf "Up "
        for (; ac < bc; ac++) printf "Right "; for (; ac > bc; ac--) printf "Left " }'
}

# The first square from $2 on that a side may still shoot, from a grid of
# 100 letters ($1). "vesi": water as the shooter sees it. "laivasto": the
# fleet shot at, as its owner sees it: any ship square, and water with no
# hit around it, which its sinking could have marked on the shooter's view.
kohde() {
    echo "$1" | awk -v alku="$2" -v tapa="$3" '{
        for (i = alku; i <= 100; i++) {
            c = substr($0, i, 1)
            if (tapa == "vesi") { if (c == "V") { print i; exit } continue }
            if (c == "L") { print i; exit }
            if (c != "V") continue
            osuma = 0
            for (dr = -1; dr <= 1; dr++) for (ds = -1; ds <= 1; ds++) {
                r = int((i - 1) / 10) + dr; s = (i - 1) % 10 + ds
                if (r < 0 || r > 9 || s < 0 || s > 9) continue
                n = substr($0, r * 10 + s + 1, 1)
                if (n != "V" && n != "L" && n != "O" && n != "o") osuma = 1
            }
            if (!osuma) { print i; exit }
        }
    }'
}

kaynnista_xvfb
alusta_wine
# With no window manager to hand Wine the focus, the X focus the run moves
# between the two programs is the only word Wine gets of it.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f >/dev/null 2>&1
PORTTI=$(vapaa_portti)
export MORVAK_VERKKO_PORTTI="$PORTTI" MORVAK_VERKKO_LAHETYS=127.0.0.1

VESI="VVVVVVVVVV VVVVVVVVVV"
KAIKKI_VESI="$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI"

echo "Qt-ohjelma odottaa vastustajaa nimellä Aino portissa $PORTTI."
mkdir "$TILAPAIKKA/config"
XDG_CONFIG_HOME="$TILAPAIKKA/config" QT_QPA_PLATFORM=xcb MORVAK_SIEMEN=1 \
    "$QT_PELI" >"$TILAPAIKKA/qt.log" 2>&1 &
QT_PID=$!
QT=$(ikkuna Morvak)
nappaile "$QT" alt+t v
QT_DIALOGI=$(ikkuna Verkkopeli)
kirjoita "$QT_DIALOGI" Aino
nappaile "$QT_DIALOGI" Return
for _ in $(seq 600); do
    kuuntelee && break
    sleep 0.1
done
kuuntelee || virhe "Qt-ohjelma ei jäänyt odottamaan vastustajaa"

echo "Wine-ohjelma löytää pelin osoitetta kirjoittamatta ja liittyy nimellä Ville."
MORVAK_SIEMEN=2 "$WINE" "$PELI" >"$TILAPAIKKA/win.log" 2>&1 &
luku odota Morvak >/dev/null || virhe "Wine-ohjelman pääikkuna ei tullut"
WIN=$(ikkuna Morvak "$QT")
nappaile "$WIN" alt+t v
WIN_DIALOGI=$(ikkuna Verkkopeli)
kirjoita "$WIN_DIALOGI" Ville
nappaile "$WIN_DIALOGI" alt+l
luku odota Verkkopeli "valintanappi: &1 Aino (127.0.0.1)" >/dev/null || virhe "Ainon peli ei löytynyt"
nappaile "$WIN_DIALOGI" alt+1 Return

echo "Liittyjä kuulee isännän säännöt, ja otsikot kertovat ottelun."
luku odota "Morvak - Sinä 0, Aino 0" >/dev/null || virhe "Wine-ohjelman otsikko ei kertonut ottelua"
luku odota Verkkopeli "teksti: Pelaat pelaajan Aino säännöillä:
laivojen kulmat saavat koskettaa toisiaan,
laiva saa sijaita reunassa." >/dev/null || virhe "säännöt eivät tulleet: $(luku lue Verkkopeli)"
nappaile "$(ikkuna Verkkopeli)" Return
luku poissa Verkkopeli || virhe "sääntöruutu ei sulkeutunut"
[ "$(ikkuna "Morvak - Sinä 0, Ville 0")" = "$QT" ] || virhe "Qt-ohjelman otsikko ei kertonut ottelua"

echo "Laivastot F3:lla, sitten ammutaan vuorotellen näppäimin pelin loppuun."
nappaile "$QT" F3
nappaile "$WIN" F3
QT_KOHTA=1
QT_SEURAAVA=1
WIN_KOHTA=1
WIN_SEURAAVA=1
vuoro=alku
laukauksia=0
while :; do
    luku vuoro "$vuoro" >"$TILAPAIKKA/vuoro" ||
        virhe "vuoro ei vaihtunut laukauksen $laukauksia jälkeen: $(cat "$TILAPAIKKA/vuoro")"
    vuoro=$(head -n 1 "$TILAPAIKKA/vuoro")
    case $vuoro in
        oma)
            ruudut=$(sed -n 2,11p "$TILAPAIKKA/vuoro" | cut -c12-21 | tr -d '\n')
            WIN_SEURAAVA=$(kohde "$ruudut" "$WIN_SEURAAVA" vesi)
            [ -n "$WIN_SEURAAVA" ] || virhe "Villellä ei ole ammuttavaa: $ruudut"
            nappaile "$WIN" $(siirto "$WIN_KOHTA" "$WIN_SEURAAVA") space
            WIN_KOHTA=$WIN_SEURAAVA
            ;;
        ystava)
            ruudut=$(sed -n 2,11p "$TILAPAIKKA/vuoro" | cut -c1-10 | tr -d '\n')
            QT_SEURAAVA=$(kohde "$ruudut" "$QT_SEURAAVA" laivasto)
            [ -n "$QT_SEURAAVA" ] || virhe "Ainolla ei ole ammuttavaa: $ruudut"
            nappaile "$QT" $(siirto "$QT_KOHTA" "$QT_SEURAAVA") space
            QT_KOHTA=$QT_SEURAAVA
            ;;
        *) break ;;
    esac
    laukauksia=$((laukauksia + 1))
done

echo "Peli päättyi $laukauksia laukauksen jälkeen; Villelle \"$vuoro\", Ainolle toinen."
case $vuoro in
    Voitit)
        WIN_TEKSTI="Voitit! Vastustajasi Aino menetti kaikki laivansa."
        QT_LOPPU=Hävisit
        WIN_OTSIKKO="Morvak - Sinä 1, Aino 0"
        QT_OTSIKKO="Morvak - Sinä 0, Ville 1"
        ;;
    Hävisit)
        WIN_TEKSTI="Hävisit. Vastustajasi Aino upotti kaikki laivasi."
        QT_LOPPU=Voitit
        WIN_OTSIKKO="Morvak - Sinä 0, Aino 1"
        QT_OTSIKKO="Morvak - Sinä 1, Ville 0"
        ;;
    *) virhe "peli päättyi ruutuun \"$vuoro\"" ;;
esac
luettu=$(luku lue "$vuoro" | sort)
[ "$luettu" = "$(printf 'painike: OK [oletus]\nteksti: %s\n' "$WIN_TEKSTI")" ] ||
    virhe "ruudussa \"$vuoro\" lukee $luettu"
nappaile "$(ikkuna "$QT_LOPPU")" Return
luku paina "$vuoro" OK
luku poissa "$vuoro" || virhe "ruutu \"$vuoro\" ei sulkeutunut"
luku odota "$WIN_OTSIKKO" >/dev/null || virhe "Wine-ohjelman otsikko ei kertonut tulosta"
[ "$(ikkuna "$QT_OTSIKKO")" = "$QT" ] || virhe "Qt-ohjelman otsikko ei kertonut tulosta"

echo "Uusi peli: Aino kysyy, Ville vastaa Kyllä, ja molemmat sijoittavat taas."
nappaile "$QT" F2
luku odota "Uusi peli" "teksti: Aino haluaa pelata uudestaan. Pelataanko?" >/dev/null ||
    virhe "uusintakysymys ei tullut"
nappaile "$(ikkuna "Uusi peli")" k
luku poissa "Uusi peli" || virhe "uusintakysymys ei sulkeutunut"
luku odota "$WIN_OTSIKKO" \
    "teksti: Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon." >/dev/null ||
    virhe "Wine-ohjelma ei palannut sijoittamaan: $(luku lue "$WIN_OTSIKKO")"
luku ruudukot "$KAIKKI_VESI" >/dev/null || virhe "ruudukot eivät tyhjentyneet: $(luku ruudukot)"
# Ville's fleet laid first leaves him waiting for Aino's, which her F3 then lays.
nappaile "$WIN" F3
luku odota "$WIN_OTSIKKO" "teksti: Odota hetki, Aino sijoittaa vielä laivojaan..." >/dev/null ||
    virhe "Qt-ohjelma ei ollut sijoittamassa"
nappaile "$QT" F3
luku vuoro alku >/dev/null || virhe "toinen peli ei alkanut"

echo "Kaikki kunnossa."
