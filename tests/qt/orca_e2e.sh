#!/bin/sh
# Plays the Qt game by the keyboard with Orca listening on an accessibility
# bus of the run's own, and follows what Orca chose to say in its debug log
# (written without a speech server): the square the keyboard lands on, the
# instruction line, a refused ship, both shots, and never a hidden ship.
#
#   orca_e2e.sh <morvak>
set -eu

if [ "${2:-}" != bussilla ]; then
    # Orca starts beside no other Orca of the user, and the player's own is not ours to stop.
    if pgrep -u "$(id -u)" -x orca >/dev/null; then echo "Orca on jo käynnissä; ohitetaan."; exit 77; fi
    TILAPAIKKA=$(mktemp -d)
    export TILAPAIKKA
    trap 'rm -rf "$TILAPAIKKA"' EXIT
    mkdir -m 700 "$TILAPAIKKA/ajo"
    HOME=$TILAPAIKKA XDG_RUNTIME_DIR=$TILAPAIKKA/ajo XDG_CONFIG_HOME=$TILAPAIKKA/asetukset \
        XDG_DATA_HOME=$TILAPAIKKA/tiedot XDG_CACHE_HOME=$TILAPAIKKA/valimuisti LC_ALL=C.UTF-8 \
        SPEECHD_CMD=/bin/false dbus-run-session -- sh "$0" "$1" bussilla
    exit
fi

LOKI=$TILAPAIKKA/orca.log
virhe() {
    echo "VIRHE: $*" >&2
    grep -a "SPEECH OUTPUT" "$LOKI" >&2 || true
    exit 1
}
. "$(dirname "$0")/../support/wineymparisto.sh"
# The next run's Orca starts only once this one has gone.
siivoa() {
    kill ${PELI_PID:-} ${ORCA_PID:-} "$XVFB_PID" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "${ORCA_PID:-0}" 2>/dev/null || break; sleep 0.1; done
}
trap siivoa EXIT

puhe() { grep -a "SPEECH OUTPUT" "$LOKI" 2>/dev/null | sed "s/.*SPEECH OUTPUT: '//"; }
# Waits until Orca says a line that matches, this or one after what matched before.
KUULTU=0
kuule() {
    for _ in $(seq 600); do
        if rivi=$(puhe | tail -n +$((KUULTU + 1)) | grep -n -m 1 -E -- "$1"); then
            KUULTU=$((KUULTU + ${rivi%%:*} - 1))
            return 0
        fi
        sleep 0.1
    done
    virhe "Orca ei sanonut: $1"
}
paina() {
    xdotool key --window "$IKKUNA" "$1"
    kuule "$2"
}

kaynnista_xvfb
# Orca writes its log a line at a time only to a terminal, which script gives it.
script -q -f -c "orca -u '$TILAPAIKKA/orca' --debug-file /dev/tty" "$LOKI" >/dev/null 2>&1 &
ORCA_PID=$!
kuule "Screen reader on."
ORCA_PID=$(pgrep -f -- "-u $TILAPAIKKA/orca --debug-file")

QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
PELI_PID=$!
IKKUNA=$(timeout 60 xdotool search --sync --onlyvisible --name '^Morvak$' | head -n 1)
xdotool windowfocus --sync "$IKKUNA"
kuule "Oma ruudukko, rivi 1, sarake 1: vesi."
paina space "Sijoita 1. risteilijäsi \\(pituus 3 ruutua\\) vasemmanpuoleiseen ruudukkoon."
paina space "Ruutuun ei voi sijoittaa laivaa."
paina F3 "Vastustajan ruudukko, rivi 1, sarake 1: vesi."
kuule "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu."
# The fleets are laid at random: the shot may hit, and sink a ship.
paina space "(Ohi|Osuma|Upposi: [a-zä]+)\."
kuule "Vastustaja ampui rivi [0-9]+, sarake [0-9]+: "
kuule "Sinun vuorosi"
# Orca reads each new row whole, so the computer's every square is told.
for rivi in 2 3 4 5 6 7 8 9 10; do paina Down "Vastustajan ruudukko, rivi $rivi, sarake 10:"; done
if puhe | grep -F "Vastustajan ruudukko" | grep -q -F ": laiva"; then virhe "Orca kertoi vastustajan laivan"; fi
echo "Orca sanoi ruudun, ohjeen, torjutun laivan, laukauksen ja vastustajan laukauksen."
