# A run's own X server and Wine prefix, for the scripts that drive Windows
# programs under Wine. Sourced; the script has set WINE (wine64) and
# TILAPAIKKA (a folder it removes at the end) and defined virhe.
#
#   kaynnista_xvfb    an Xvfb of 1024x768 at 96 dpi; sets DISPLAY
#   alusta_wine       a fresh prefix in $TILAPAIKKA/wine, once Wine is idle
#   odota_wine        waits until every program of the prefix has ended
#   sammuta_wine      ends the prefix's programs and the X server

XVFB_PID=""

kaynnista_xvfb() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 -dpi 96 3>"$TILAPAIKKA/naytto" \
        2>"$TILAPAIKKA/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$TILAPAIKKA/naytto" ] && break
        sleep 0.1
    done
    [ -s "$TILAPAIKKA/naytto" ] || virhe "Xvfb ei käynnistynyt: $(cat "$TILAPAIKKA/xvfb.log")"
    DISPLAY=:$(cat "$TILAPAIKKA/naytto")
    export DISPLAY
}

# No menu entries or file associations of the prefix reach the user's desktop.
alusta_wine() {
    export WINEPREFIX="$TILAPAIKKA/wine" WINEDEBUG=-all LC_ALL=C.UTF-8 \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    "$WINE" wineboot --init >/dev/null 2>&1
    odota_wine
}

odota_wine() {
    timeout 120 "$(dirname "$WINE")/wineserver" -w
}

sammuta_wine() {
    WINEPREFIX="$TILAPAIKKA/wine" "$(dirname "$WINE")/wineserver" -k 2>/dev/null || true
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
}
