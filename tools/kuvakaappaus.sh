#!/bin/sh
# Takes the README's picture of a game in play: the game runs on a virtual X
# server with a store of its own, ten ships are laid and a few shots fired by
# simulated clicks, and the window is saved as a PNG picture.
#
#     tools/kuvakaappaus.sh [morvak program] [picture]
#
# By default the program of `make build` and docs/kuvakaappaus.png.
set -e
# Logical pixels of the layout: the client area below the menu bar, the left
# edges of the two grids, the first row and the spacing of the squares.
ALUEEN_KORKEUS=340
PELAAJAN_RUUDUKKO=8
KONEEN_RUUDUKKO=264
ENSIMMAINEN_RIVI=16
RUUTUVALI=24

# One click in the middle of square $2 (1..100) of the grid whose left edge is $1.
napsauta() {
    x=$(($1 + (($2 - 1) % 10) * RUUTUVALI + RUUTUVALI / 2))
    y=$((valikko + ENSIMMAINEN_RIVI + (($2 - 1) / 10) * RUUTUVALI + RUUTUVALI / 2))
    xdotool mousemove --window "$ikkuna" "$x" "$y" click 1
    sleep 0.3
}

kuvaa() {
    "$ohjelma" &
    peli=$!
    ikkuna=$(xdotool search --sync --onlyvisible --name '^Morvak$' | head -n 1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$ikkuna")"
    valikko=$((HEIGHT - ALUEEN_KORKEUS))

    # The fleet, each ship laid to the right of the clicked square, longest first.
    for ruutu in 1 6 21 25 28 41 44 46 48 50; do
        napsauta $PELAAJAN_RUUDUKKO $ruutu
    done
    # After each shot the computer takes its second to fire back.
    for ruutu in 45 34 56 23 67 78 12 89 55 66 44 77; do
        napsauta $KONEEN_RUUDUKKO $ruutu
        sleep 1.5
    done
    # The mouse pointer away from the grids, so that no square shows it hovered.
    xdotool mousemove 0 0
    sleep 0.5
    # No dates in the file: a refreshed picture differs only where the game does.
    import -window "$ikkuna" -strip "$kuva"
    kill "$peli"
}

if [ "$1" = --naytolla ]; then
    ohjelma=$2
    kuva=$3
    kuvaa
    exit 0
fi

juuri=$(cd "$(dirname "$0")/.." && pwd)
ohjelma=$(realpath -m "${1:-$juuri/build/game/morvak}")
kuva=$(realpath -m "${2:-$juuri/docs/kuvakaappaus.png}")
[ -x "$ohjelma" ] || {
    echo "no program $ohjelma: build it first (make build)" >&2
    exit 1
}
"$juuri/cmake/install-missing.sh" xvfb xauth xdotool imagemagick
mkdir -p "$(dirname "$kuva")"
tyo=$(mktemp -d)
trap 'rm -rf "$tyo"' EXIT
# A store of its own, so the player's own results and settings stay as they are.
XDG_CONFIG_HOME=$tyo xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    sh "$0" --naytolla "$ohjelma" "$kuva"
echo "$kuva"
