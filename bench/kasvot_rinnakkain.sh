#!/bin/sh
# The two faces side by side in one run on one private Xvfb: morvak.exe under
# Wine and the Qt build. For each: start to the first painted frame (the
# first moment a square's water colour shows on the screen, seen by
# ikkunaluku.exe polling the screen every millisecond), resident memory and
# idle wake-ups (context switches of all the process's threads) once the
# window has stood idle, and the size of the .exe. Medians of the rounds.
# Wine's own wineserver serves every Wine process of the prefix, the
# prefix's background services too; its wake-ups are shown apart.
#
#   bench/kasvot_rinnakkain.sh <morvak.exe> <wine64> <ikkunaluku.exe> <Qt morvak> [kierroksia]
set -eu

EXE=$1
WINE=$2
LUKU=$3
QT=$4
KIERROKSIA=${5:-5}
JOUTOAIKA=10

TILA=$(mktemp -d)
XVFB_PID=""
PALVELIN_PID=""
siivoa() {
    [ -z "$PALVELIN_PID" ] || kill "$PALVELIN_PID" 2>/dev/null || true
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$TILA"
}
trap siivoa EXIT

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 -dpi 96 3>"$TILA/naytto" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$TILA/naytto" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$TILA/naytto")
export WINEPREFIX="$TILA/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINE" wineboot --init >/dev/null 2>&1
"$(dirname "$WINE")/wineserver" -w
# A desktop where Wine programs run keeps its wineserver; a start does not
# pay for it.
"$(dirname "$WINE")/wineserver" -p -f &
PALVELIN_PID=$!

nyt() { date +%s%N; }

vaihdot() {
    for pid in "$@"; do cat /proc/"$pid"/task/*/status; done 2>/dev/null |
        awk '/ctxt_switches/ { s += $2 } END { print s + 0 }'
}

rss_kib() { awk '/VmRSS/ { print $2 }' /proc/"$1"/status; }

# One start: $1 the screen point and colour to wait for, the rest the command.
kierros() {
    x=$1
    y=$2
    shift 2
    "$WINE" "$LUKU" varissa "$x" "$y" C0D1E4 >"$TILA/varissa" 2>&1 &
    luku=$!
    for _ in $(seq 600); do grep -q valmis "$TILA/varissa" 2>/dev/null && break; sleep 0.05; done
    alku=$(nyt)
    "$@" >/dev/null 2>&1 &
    peli=$!
    wait "$luku"
    loppu=$(tr -d '\r' <"$TILA/varissa" | tail -n 1)
    sleep 3
    ennen=$(vaihdot "$peli")
    palvelin=$(vaihdot $PALVELIN_PID)
    sleep "$JOUTOAIKA"
    jalkeen=$(vaihdot "$peli")
    palvelin=$(($(vaihdot $PALVELIN_PID) - palvelin))
    echo "$(((loppu - alku) / 1000)) $(rss_kib "$peli") $(((jalkeen - ennen) * 100 / JOUTOAIKA))" \
        "$((palvelin * 100 / JOUTOAIKA))"
    kill "$peli"
    wait "$peli" 2>/dev/null || true
}

mediaani() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

yhteenveto() {
    echo "$2: start to first frame $(cut -d' ' -f1 "$1" | mediaani) µs," \
        "resident $(cut -d' ' -f2 "$1" | mediaani) KiB," \
        "idle wake-ups $(cut -d' ' -f3 "$1" | mediaani | awk '{ printf "%.2f", $1 / 100 }')/s" \
        "(wineserver meanwhile $(cut -d' ' -f4 "$1" | mediaani | awk '{ printf "%.2f", $1 / 100 }')/s)"
}

: >"$TILA/win32"
: >"$TILA/qt"
for _ in $(seq "$KIERROKSIA"); do
    # The Wine window's client area starts at 3, 41 without a window manager,
    # the Qt window's at 0, 18: square 1's centre is 20, 28 into it.
    kierros 23 69 "$WINE" "$EXE" >>"$TILA/win32"
    mkdir -p "$TILA/config"
    XDG_CONFIG_HOME="$TILA/config" QT_QPA_PLATFORM=xcb kierros 20 46 "$QT" >>"$TILA/qt"
done
yhteenveto "$TILA/win32" "morvak.exe under Wine"
yhteenveto "$TILA/qt" "Qt build under Xvfb"
echo "morvak.exe: $(stat -c %s "$EXE") bytes"
