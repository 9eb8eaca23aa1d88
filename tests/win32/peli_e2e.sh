#!/bin/sh
# The Windows game end to end: the real morvak.exe under Wine on an Xvfb and
# a Wine prefix of this run's own, read and driven through the window system
# by ikkunaluku.exe, its store read back with Wine's own reg tool.
#
#   peli_e2e.sh <morvak.exe> <wine64> <ikkunaluku.exe> [<Qt morvak>]
#
# With the Qt build given, the two faces' main windows are compared: the same
# client area and the same pixels in every square.
set -eu

PELI=$1
WINE=$2
LUKU=$3
QT_PELI=${4:-}

TILAPAIKKA=$(mktemp -d)
PELI_PID=""
AVAIN='HKCU\Software\Relvano\Morvak 1.2 Freeware'

siivoa() {
    [ -z "$PELI_PID" ] || kill "$PELI_PID" 2>/dev/null || true
    sammuta_wine
    rm -rf "$TILAPAIKKA"
}
trap siivoa EXIT

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

. "$(dirname "$0")/../support/wineymparisto.sh"

# The reader's answer without Windows' line ends, and its exit status.
luku() {
    tila=0
    "$WINE" "$LUKU" "$@" >"$TILAPAIKKA/luettu" || tila=$?
    tr -d '\r' <"$TILAPAIKKA/luettu"
    return $tila
}

# Starts the game with the environment given.
kaynnista_vain() {
    env "$@" "$WINE" "$PELI" >"$TILAPAIKKA/peli.log" 2>&1 &
    PELI_PID=$!
}

# The same, and waits for its window.
kaynnista() {
    kaynnista_vain "$@"
    luku odota Morvak >/dev/null || virhe "pääikkuna ei tullut"
}

# The program must be gone within the bounded wait.
paattyy() {
    for _ in $(seq 300); do
        kill -0 "$PELI_PID" 2>/dev/null || break
        sleep 0.1
    done
    ! kill -0 "$PELI_PID" 2>/dev/null || virhe "peli ei päättynyt: $1"
    wait "$PELI_PID" || true
    PELI_PID=""
}

# The close box, Yes to the quit question, and the program gone.
suljetaan() {
    luku sulje Morvak
    luku paina Lopeta "&Kyllä"
    paattyy "$1"
}

lukee() {
    luettu=$(luku lue "$1")
    [ "$luettu" = "$2" ] || virhe "ikkunassa \"$1\" lukee
$luettu
eikä
$2"
}

# A box's texts, whatever order the task dialog keeps its parts in.
ruudussa() {
    luettu=$(luku lue "$1" | sort)
    odotettu=$(printf '%s\n' "$2" | sort)
    [ "$luettu" = "$odotettu" ] || virhe "ruudussa \"$1\" lukee
$luettu
eikä
$odotettu"
}

# The grids as the screen shows them, once the last input has been handled.
ruudukot_ovat() {
    luku ruudukot "$1" >/dev/null || virhe "$2: ruudukoissa näkyy
$(luku ruudukot)
eikä
$1"
}

# A fleet laid by clicks, and the player's turn to shoot come.
laske_laivasto() {
    for ruutu in "$@"; do luku napsauta pelaaja $ruutu; done
    luku odota Morvak "teksti: Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu." >/dev/null ||
        virhe "laivasto ei valmistunut"
}

arvo_on() {
    luettu=$("$WINE" reg query "$AVAIN" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_SZ *//p")
    [ "$luettu" = "$2" ] || virhe "rekisterissä $1 = \"$luettu\" eikä \"$2\""
}

# A value whose text may hold any letters, from the exported key.
arvo_kirjaimin() {
    rm -f "$TILAPAIKKA/avain.reg"
    "$WINE" reg export "$AVAIN" "Z:$(echo "$TILAPAIKKA/avain.reg" | tr / '\\')" /y >/dev/null 2>&1 ||
        virhe "avainta ei voitu viedä"
    iconv -f UTF-16LE -t UTF-8 "$TILAPAIKKA/avain.reg" | tr -d '\r' | sed -n "s/^\"$1\"=\"\(.*\)\"$/\1/p"
}

# What has the keyboard, once the last input has been handled.
kohdistus_on() {
    luku kohdistus "$1" >/dev/null || virhe "$2: näppäimistö ei ole kohdassa \"$1\""
}

# The player's grid, a letter a square from square 1 on.
pelaajan_ruudut() {
    luku ruudukot | cut -c1-10 | tr -d '\n'
}

# Keys go to the window that has the X focus.
nappaile() {
    ikkuna=$(xdotool search --sync --limit 1 --name "^$1\$")
    shift
    xdotool windowfocus --sync "$ikkuna" key --delay 100 "$@"
}

kaynnista_xvfb
alusta_wine

LOPETUS="teksti: Haluatko varmasti lopettaa Morvak-ohjelman käytön?
painike: &Kyllä
painike: &Ei [oletus]"
VESI="VVVVVVVVVV VVVVVVVVVV"
# Rows 3 to 10 of both grids, all water.
ALARIVIT="$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI
$VESI"
KAIKKI_VESI="$VESI
$VESI
$ALARIVIT"

echo "Ensimmäinen käynnistys: ohje, painikkeet ja tyhjät ruudukot."
kaynnista MORVAK_SIEMEN=1 MORVAK_TAUKO_MS=20
lukee Morvak "painike: &Uusi peli [oletus]
painike: &Lopeta
teksti: Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.
kehys: Toimintaohje"
[ "$(luku koko Morvak)" = "514x340" ] || virhe "pääikkunan alue on $(luku koko Morvak)"
ruudukot_ovat "$KAIKKI_VESI" "alussa"

echo "Laivasto napsautuksin: lentotukialus pystyyn oikealla painikkeella, muut vaakaan."
luku napsauta pelaaja 1 oikea
ruudukot_ovat "LOVVVVVVVV VVVVVVVVVV
LOVVVVVVVV VVVVVVVVVV
LOVVVVVVVV VVVVVVVVVV
LOVVVVVVVV VVVVVVVVVV
OVVVVVVVVV VVVVVVVVVV
$VESI
$VESI
$VESI
$VESI
$VESI" "lentotukialuksen jälkeen"
for ruutu in 6 26 61 65 68 81 84 87 100; do luku napsauta pelaaja $ruutu; done
ruudukot_ovat "LVVVVLLLVV VVVVVVVVVV
LVVVVVVVVV VVVVVVVVVV
LVVVVLLLVV VVVVVVVVVV
LVVVVVVVVV VVVVVVVVVV
$VESI
$VESI
LLVVLLVLLV VVVVVVVVVV
$VESI
LVVLVVLVVV VVVVVVVVVV
VVVVVVVVVL VVVVVVVVVV" "laivasto valmis"
lukee Morvak "painike: &Uusi peli [oletus]
painike: &Lopeta
teksti: Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.
kehys: Toimintaohje"

echo "Peli voittoon asti."
[ "$(luku ammu $(seq 1 100))" = "Voitit" ] || virhe "peli ei päättynyt voittoon"
ruudussa Voitit "teksti: Onneksi olkoon, upotit kaikki vastustajasi laivat!
painike: OK [oletus]"
luku paina Voitit OK
luku poissa Voitit
lukee Morvak "painike: &Uusi peli [oletus]
painike: &Lopeta
teksti: Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.
kehys: Toimintaohje"

echo "Sulkuruutu kysyy, ja E vastaa Ei ja jättää pelin."
luku sulje Morvak
ruudussa Lopeta "$LOPETUS"
nappaile Lopeta e
luku poissa Lopeta
kill -0 "$PELI_PID" || virhe "Ei lopetti pelin"

echo "Istunnon loppu lopetuskysymyksen ollessa auki ei kysy toista kertaa."
luku sulje Morvak
ruudussa Lopeta "$LOPETUS"
"$WINE" wineboot --end-session >/dev/null 2>&1 && virhe "istunto päättyi kysymyksen ollessa auki"
[ "$(luku montako Lopeta)" = 1 ] || virhe "lopetuskysymyksiä on $(luku montako Lopeta)"
luku paina Lopeta "&Ei"
luku poissa Lopeta
kill -0 "$PELI_PID" || virhe "istunnon loppu lopetti pelin"

echo "Istunnon loppu kysyy samoin, ja Kyllä kysyy nimen voittoputkelle."
"$WINE" wineboot --end-session >/dev/null 2>&1 &
ISTUNTO_PID=$!
ruudussa Lopeta "$LOPETUS"
luku paina Lopeta "&Kyllä"
lukee "Onneksi olkoon!" "kenttä: Nimetön [valittuna 0-7]
painike: OK [oletus]
painike: Peruuta
teksti: Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.


Kirjoita nimesi:"
nappaile "Onneksi olkoon!" a b c d e f g h i j k l m n o p q
lukee "Onneksi olkoon!" "kenttä: abcdefghijklmnop [valittuna 16-16]
painike: OK [oletus]
painike: Peruuta
teksti: Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.


Kirjoita nimesi:"
luku kirjoita "Onneksi olkoon!" ""
luku odota "Onneksi olkoon!" "painike: OK [oletus] [pois]" || virhe "tyhjä nimi ei estänyt OK:ta"
luku kirjoita "Onneksi olkoon!" "Äijä Öhman & co"
# Another copy holds the store as the name is saved: the session's end
# waits for that save, which lands once the copy lets go.
mkfifo "$TILAPAIKKA/pitoon" "$TILAPAIKKA/pidossa"
"$WINE" "$LUKU" pida <"$TILAPAIKKA/pitoon" >"$TILAPAIKKA/pidossa" &
PITAJA_PID=$!
exec 3>"$TILAPAIKKA/pitoon"
read -r pidetaan <"$TILAPAIKKA/pidossa"
[ "$(printf %s "$pidetaan" | tr -d '\r')" = "pidetään" ] || virhe "toinen kopio ei saanut lukkoa"
luku paina "Onneksi olkoon!" OK
kill -0 "$ISTUNTO_PID" 2>/dev/null || virhe "istunto päättyi ennen kuin nimi oli tallessa"
exec 3>&-
wait "$PITAJA_PID" || virhe "toinen kopio ei päästänyt lukkoa"
paattyy "nimen jälkeen"
wait "$ISTUNTO_PID" || virhe "istunnon loppu estyi"
[ "$(arvo_kirjaimin ParasPelaaja0)" = "Äijä Öhman & co" ] || virhe "nimi tallessa: $(arvo_kirjaimin ParasPelaaja0)"
arvo_on ParasTulos0 1
arvo_on ParasPelaaja1 Relvano

echo "Parhaat tulokset: lista, tyhjennys kysyen; K vastaa Kyllä."
kaynnista MORVAK_TAUKO_MS=20
nappaile Morvak alt+n p
luku odota "Parhaat tulokset" >/dev/null
RIVIT=""
for sija in 2 3 4 5 6 7 8 9 10; do
    RIVIT="$RIVIT
teksti: $sija.
teksti: Relvano
teksti: 0"
done
lukee "Parhaat tulokset" "painike: OK [oletus]
painike: &Tyhjennä
kehys: Eniten pelejä peräkkäin voittaneet
teksti: 1.
teksti: Äijä Öhman & co
teksti: 1$RIVIT"
luku paina "Parhaat tulokset" "&Tyhjennä"
ruudussa "Tyhjennä" "teksti: Haluatko varmasti tyhjentää parhaiden tulosten listan?
painike: &Kyllä
painike: &Ei [oletus]"
nappaile "Tyhjennä" k
luku poissa "Tyhjennä"
lukee "Parhaat tulokset" "painike: OK [oletus]
painike: &Tyhjennä [pois]
kehys: Eniten pelejä peräkkäin voittaneet
teksti: 1.
teksti: Relvano
teksti: 0$RIVIT"
arvo_on ParasPelaaja0 Relvano
arvo_on ParasTulos0 0
luku paina "Parhaat tulokset" OK
luku poissa "Parhaat tulokset"

echo "Asetukset: valinnat rekisteriin, ja ajon ajan dialogissa."
nappaile Morvak alt+n a
lukee Asetukset "painike: OK [oletus]
painike: Peruuta
kehys: Pelin aloitustapa
valintanappi: &Vuoroaloitus [valittu]
valintanappi: &Aloittaja arvotaan
valintanappi: &Edellisen pelin voittanut aloittaa
kehys: Laivojen sijainti
valintaruutu: Laivojen &kulmat saavat koskettaa [valittu]
valintaruutu: Laiva saa sijaita &ruudukon reunassa [valittu]
kehys: Laivojen uppoaminen
valintanappi: &Näytetään animaationa
valintanappi: &Uppoamisanimaatiota ei näytetä [valittu]"
luku paina Asetukset "&Edellisen pelin voittanut aloittaa"
luku paina Asetukset "Laivojen &kulmat saavat koskettaa"
luku paina Asetukset "&Näytetään animaationa"
luku paina Asetukset OK
luku poissa Asetukset
arvo_on PelinAloitustapa "Edellisen pelin voittanut"
arvo_on LaivojenKulmatSaavatKoskettaa False
arvo_on LaivaSaaSijaitaReunassa True
arvo_on NaytetaanLaivojenUppoaminen True
nappaile Morvak alt+n a
lukee Asetukset "painike: OK [oletus]
painike: Peruuta
kehys: Pelin aloitustapa
valintanappi: &Vuoroaloitus
valintanappi: &Aloittaja arvotaan
valintanappi: &Edellisen pelin voittanut aloittaa [valittu]
kehys: Laivojen sijainti
valintaruutu: Laivojen &kulmat saavat koskettaa
valintaruutu: Laiva saa sijaita &ruudukon reunassa [valittu]
kehys: Laivojen uppoaminen
valintanappi: &Näytetään animaationa [valittu]
valintanappi: &Uppoamisanimaatiota ei näytetä"
nappaile Asetukset Escape
luku poissa Asetukset

echo "Enter painaa Uusi peli -painiketta; kulmat eivät nyt saa koskettaa."
luku napsauta pelaaja 1
ruudukot_ovat "LLLLOVVVVV VVVVVVVVVV
OOOOOVVVVV VVVVVVVVVV
$ALARIVIT" "lentotukialus sijoitettu"
nappaile Morvak Return
ruudukot_ovat "$KAIKKI_VESI" "Enterin jälkeen"

echo "Alalaidan kaista pois: ikkuna lyhenee, Enter ei tee mitään, F2 aloittaa, valinta säilyy."
nappaile Morvak alt+n i
[ "$(luku koko Morvak)" = "514x268" ] || virhe "kaistaton alue on $(luku koko Morvak)"
arvo_on NaytaPainikkeet False
luku napsauta pelaaja 1
ruudukot_ovat "LLLLOVVVVV VVVVVVVVVV
OOOOOVVVVV VVVVVVVVVV
$ALARIVIT" "lentotukialus kaistatta"
nappaile Morvak Return
luku napsauta pelaaja 6
ruudukot_ovat "LLLLOLLLOV VVVVVVVVVV
OOOOOOOOOV VVVVVVVVVV
$ALARIVIT" "Enter piilotetuin painikkein"
nappaile Morvak F2
ruudukot_ovat "$KAIKKI_VESI" "F2:n jälkeen"

echo "Laivastojen kaista: ikkuna pitenee, kummankin laivasto nimineen, valinta säilyy."
nappaile Morvak alt+n l
[ "$(luku koko Morvak)" = "514x292" ] || virhe "laivastojen kanssa alue on $(luku koko Morvak)"
luku odota Morvak "teksti: Vastustajalla jäljellä: lentotukialus, 2 risteilijää, 3 tykkivenettä, 4 sukellusvenettä" ||
    virhe "vastustajan laivasto ei näy"
arvo_on NaytaLaivastot True
nappaile Morvak alt+n l
[ "$(luku koko Morvak)" = "514x268" ] || virhe "laivastoitta alue on $(luku koko Morvak)"

echo "Tietoja ohjelmasta: linkki avautuu kaksoisnapsautuksella kerran."
# The prefix's mail program is the reader, which leaves a file for every
# address it is handed.
AVAUKSET="$TILAPAIKKA/avaukset"
mkdir "$AVAUKSET"
"$WINE" reg add 'HKCR\mailto\shell\open\command' /ve /f \
    /d "Z:$(echo "$LUKU" | tr / '\\') kirjaa Z:$(echo "$AVAUKSET" | tr / '\\') %1" >/dev/null 2>&1
nappaile Morvak alt+o t
lukee "Tietoja ohjelmasta" "painike: OK [oletus]
teksti: Morvak
teksti: Versio 1.2 · Tekijät: Morvak-työryhmä
teksti: https://www.morvak.fi/morvak/
teksti: palaute@morvak.fi"
luku tuplanapsauta "Tietoja ohjelmasta" "palaute@morvak.fi"
for _ in $(seq 300); do
    [ -s "$AVAUKSET/1.txt" ] && break
    sleep 0.1
done
[ -s "$AVAUKSET/1.txt" ] || virhe "linkki ei avautunut"
luku paina "Tietoja ohjelmasta" OK
luku poissa "Tietoja ohjelmasta"
suljetaan "lopetus ilman voittoja"
# Every open the game started has ended with the prefix's programs.
odota_wine
[ "$(cat "$AVAUKSET"/*)" = "mailto:palaute@morvak.fi" ] ||
    virhe "kaksoisnapsautus avasi linkin näin: $(cat "$AVAUKSET"/*)"
kaynnista MORVAK_TAUKO_MS=20
[ "$(luku koko Morvak)" = "514x268" ] || virhe "uudelleen käynnistettynä alue on $(luku koko Morvak)"
nappaile Morvak alt+n i
[ "$(luku koko Morvak)" = "514x340" ] || virhe "kaista ei palannut: $(luku koko Morvak)"
suljetaan "toinen lopetus"

echo "Peli tappioon asti: koneen ehjät laivat paljastuvat, laivat uppoavat animaationa."
# The settings chosen above last across starts; the seed's loss needs corners
# that may touch again, and the sinking stays on.
arvo_on NaytetaanLaivojenUppoaminen True
"$WINE" reg add "$AVAIN" /v LaivojenKulmatSaavatKoskettaa /t REG_SZ /d True /f >/dev/null 2>&1
# With this seed and these rules a submarine of the computer's lies on 40.
SUKELLUSVENE=40
kaynnista MORVAK_SIEMEN=3 MORVAK_TAUKO_MS=20
laske_laivasto 1 6 26 61 65 68 81 84 87 100
[ "$(luku uppoaa $SUKELLUSVENE)" = "uppoaa" ] || virhe "sukellusvene ei uponnut näkyvästi"
[ "$(luku ammu $(seq 100 -1 1))" = "Hävisit" ] || virhe "peli ei päättynyt tappioon"
ruudussa Hävisit "teksti: Vastustajasi upotti kaikki laivasi!
painike: OK [oletus]"
luku paina Hävisit OK
luku poissa Hävisit
lukee Morvak "painike: &Uusi peli [oletus]
painike: &Lopeta
teksti: Aloita uusi peli painamalla Uusi peli -painiketta.
kehys: Toimintaohje"
laivoja=$(luku ruudukot | cut -c12-21 | tr -cd 'LXx' | wc -c)
[ "$laivoja" -eq 20 ] || virhe "koneen ruudukossa näkyy $laivoja laivaruutua eikä 20"

echo "Sulkeminen koneen tauon aikana päättää ohjelman heti."
suljetaan "tappion jälkeen"
kaynnista MORVAK_TAUKO_MS=600000
laske_laivasto 1 6 26 61 65 68 81 84 87 100
luku napsauta kone 55
luku odota Morvak "teksti: Odota hetki, vastustajasi ampuu jotakin ruuduistasi..." ||
    virhe "tauko ei alkanut"
luku lue Morvak | grep -qx "painike: &Uusi peli \[oletus\] \[pois\]" ||
    virhe "uusi peli ei ollut pois käytöstä tauon aikana"
suljetaan "tauon aikana"

echo "Äänet päällä: laukaus pyytää äänensä Windowsin PlaySoundilta ohjelman resursseista."
"$WINE" reg add "$AVAIN" /v Aanet /t REG_SZ /d True /f >/dev/null 2>&1
# Wine's own trace of winmm tells every PlaySound call; the computer's long
# pause leaves the player's shot the only one.
kaynnista MORVAK_TAUKO_MS=600000 WINEDEBUG=trace+winmm
laske_laivasto 1 6 26 61 65 68 81 84 87 100
luku napsauta kone 55
luku odota Morvak "teksti: Odota hetki, vastustajasi ampuu jotakin ruuduistasi..." ||
    virhe "tauko ei alkanut äänten kanssa"
# A splash, a hit or a sinking (resources 101 to 103), asynchronous, from the
# program's resources, never the system's default sound.
soitot=$(grep -c "MULTIMEDIA_PlaySound pszSound='0*6[567]' hmod=[0-9A-Fa-f]* fdwSound=00040007" \
    "$TILAPAIKKA/peli.log" || true)
[ "$soitot" -eq 1 ] || virhe "PlaySound kutsuttiin $soitot kertaa: $(grep PlaySound "$TILAPAIKKA/peli.log")"
suljetaan "äänten jälkeen"
"$WINE" reg delete "$AVAIN" /v Aanet /f >/dev/null 2>&1

echo "Näppäimistö: ruudukot Tabin pysäkkeinä, nuolet ja välilyönti, ruutujen nimet."
kaynnista MORVAK_SIEMEN=5 MORVAK_TAUKO_MS=20
kohdistus_on "Oma ruudukko, rivi 1, sarake 1: vesi" "alussa"
luku nimi pelaaja 1 "Oma ruudukko, rivi 1, sarake 1: vesi" || virhe "ruudun nimi alussa"
kuultu=$(luku kuulee pelaaja 1) || virhe "muutoksista ei kerrottu: $kuultu"
[ "$kuultu" = "ohje: Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.
ruutu: Oma ruudukko, rivi 1, sarake 1: laiva
kuulutus: Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon." ] ||
    virhe "avustava tekniikka kuuli
$kuultu"
luku nimi pelaaja 1 "Oma ruudukko, rivi 1, sarake 1: laiva" || virhe "ruudun nimi laivan jälkeen"
luku nimi kone 100 "Vastustajan ruudukko, rivi 10, sarake 10: vesi" || virhe "koneen ruudun nimi"
nappaile Morvak End shift+space
kohdistus_on "Oma ruudukko, rivi 1, sarake 10: laiva" "risteilijä alas vaihto-välilyönnillä"
# Square 40 touches the cruiser, so Space there lays nothing.
nappaile Morvak Down Down Down space Home space
kohdistus_on "Oma ruudukko, rivi 4, sarake 1: laiva" "risteilijä vaakaan välilyönnillä"

echo "F3 sijoittaa loput laivat ja säilyttää sijoitetut; näppäimistö siirtyy koneen ruudukkoon."
nappaile Morvak F3
luku odota Morvak "teksti: Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu." >/dev/null ||
    virhe "F3 ei täydentänyt laivastoa"
kohdistus_on "Vastustajan ruudukko, rivi 1, sarake 1: vesi" "laivaston valmistuttua"
ruudut=$(pelaajan_ruudut)
for ruutu in 1 2 3 4 10 20 30 31 32 33; do
    [ "$(echo "$ruudut" | cut -c$ruutu)" = L ] || virhe "F3 siirsi laivaa ruudussa $ruutu: $ruudut"
done
[ "$(echo "$ruudut" | cut -c40)" = V ] || virhe "välilyönti laski laivan estettyyn ruutuun: $ruudut"
[ "$(echo "$ruudut" | tr -cd L | wc -c)" -eq 20 ] || virhe "F3:n jälkeen laivaruutuja ei ole 20: $ruudut"
nappaile Morvak End Down
kohdistus_on "Vastustajan ruudukko, rivi 2, sarake 10: vesi" "End ja alas"
nappaile Morvak Home Up
kohdistus_on "Vastustajan ruudukko, rivi 1, sarake 1: vesi" "Home ja ylös"
nappaile Morvak shift+Tab
kohdistus_on "Oma ruudukko, rivi 4, sarake 1: laiva" "vaihto-Tab"
nappaile Morvak Tab Tab
kohdistus_on "painike: &Uusi peli [oletus]" "Tab painikkeisiin"
nappaile Morvak shift+Tab
kohdistus_on "Vastustajan ruudukko, rivi 1, sarake 1: vesi" "vaihto-Tab takaisin"

echo "Enter aloittaa uuden pelin ruudukostakin; näppäimistö palaa omaan ruudukkoon."
nappaile Morvak Return
kohdistus_on "Oma ruudukko, rivi 1, sarake 1: vesi" "uuden pelin jälkeen"

echo "Koko peli näppäimin: F3, nuolet ja välilyönti."
nappaile Morvak F3 || virhe "F3 ei mennyt pääikkunaan"
kohdistus_on "Vastustajan ruudukko, rivi 1, sarake 1: vesi" "toisen laivaston jälkeen"
loppu=$(luku nappaimin) || virhe "näppäimin pelattu peli ei edennyt loppuun"
[ "$loppu" = "Hävisit" ] || virhe "näppäimin pelattu peli päättyi: $loppu"
# Pressed through the window system: a key needs the X focus, which a loaded
# machine may not have moved to the box yet.
luku paina Hävisit OK || virhe "häviön ruutua ei voitu kuitata"
luku poissa Hävisit || virhe "häviön ruutu ei sulkeutunut"
luku nimi kone 1 "Vastustajan ruudukko, rivi 1, sarake 1: ohi" || virhe "ammutun ruudun nimi"
lukee Morvak "painike: &Uusi peli [oletus]
painike: &Lopeta
teksti: Aloita uusi peli painamalla Uusi peli -painiketta.
kehys: Toimintaohje"
suljetaan "näppäinpelin jälkeen"

echo "144 pistettä tuumalla: tiheydestä sana, ja ikkuna suurenee samassa suhteessa."
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
# The word comes while the window loads, before it shows.
kaynnista_vain MORVAK_TAUKO_MS=20
ruudussa Tiedoksi "teksti: Ohjelman ulkoasussa saattaa esiintyä puutteita
käyttämilläsi näytön asetuksilla.
painike: OK [oletus]"
luku paina Tiedoksi OK
luku odota Morvak >/dev/null
[ "$(luku koko Morvak)" = "771x510" ] || virhe "alue 144 pisteellä on $(luku koko Morvak)"
suljetaan "tiheyden jälkeen"
"$WINE" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1

if [ -n "$QT_PELI" ]; then
    echo "Sama kuva kuin Qt-kasvoilla: alue ja jokaisen ruudun pikselit."
    # The Qt face starts from an empty store, so the corner rule chosen above
    # goes back to its start value here: both faces bar the same squares.
    "$WINE" reg add "$AVAIN" /v LaivojenKulmatSaavatKoskettaa /t REG_SZ /d True /f >/dev/null 2>&1
    kaynnista MORVAK_TAUKO_MS=20
    for ruutu in 1 6 26; do luku napsauta pelaaja $ruutu; done
    luku odota Morvak "teksti: Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon." >/dev/null ||
        virhe "kolme laivaa ei tullut"
    luku varit >"$TILAPAIKKA/win32.txt" || virhe "Win32-kasvojen värit jäivät lukematta"
    luku sulje Morvak || virhe "pääikkuna ei sulkeutunut vertailun jälkeen"
    luku paina Lopeta "&Kyllä" || virhe "lopetuskysymys ei tullut vertailun jälkeen"
    paattyy "vertailun jälkeen"

    mkdir "$TILAPAIKKA/config"
    XDG_CONFIG_HOME="$TILAPAIKKA/config" QT_QPA_PLATFORM=xcb "$QT_PELI" >/dev/null 2>&1 &
    PELI_PID=$!
    qt=$(xdotool search --sync --limit 1 --onlyvisible --name '^Morvak$')
    eval "$(xdotool getwindowgeometry --shell "$qt")"
    [ "$WIDTH" -eq 514 ] || virhe "Qt-ikkunan leveys on $WIDTH"
    # The client area is the window's lower 340 pixels, below the menu bar.
    ALKU_Y=$((Y + HEIGHT - 340))
    for ruutu in 1 6 26; do
        r=$(((ruutu - 1) / 10))
        s=$(((ruutu - 1) % 10))
        xdotool mousemove $((X + 8 + 12 + 24 * s)) $((ALKU_Y + 16 + 12 + 24 * r)) click 1
    done
    xdotool mousemove 0 0
    luku varit "$X" "$ALKU_Y" >"$TILAPAIKKA/qt.txt" || virhe "Qt-kasvojen värit jäivät lukematta"
    kill "$PELI_PID"
    PELI_PID=""
    diff "$TILAPAIKKA/qt.txt" "$TILAPAIKKA/win32.txt" || virhe "ruutujen värit eroavat Qt-kasvoista"
fi

echo "Kaikki kunnossa."
