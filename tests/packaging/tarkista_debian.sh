#!/bin/sh
# Checks the package as Debian's own tools judge it: lintian finds no error or
# warning, both programs carry the hardening of Debian's build flags, and both
# manual pages render without a warning.
#
#     tarkista_debian.sh <work folder of paketti.sh>
set -e
tyo=$1
set -- "$tyo"/morvak_*.deb
paketti=$1
juuri=$tyo/juuri
virheita=0

virhe() {
    echo "$*"
    virheita=$((virheita + 1))
}

lintian --pedantic --display-info --fail-on error,warning "$paketti" ||
    virhe "lintian found errors or warnings"

# Debian 12's own start files carry no control-flow marker, so no program
# linked there can show one. The removal tool's only copies are the standard
# library's, of sizes known only at run time, which fortifying cannot check:
# the game, built with the same flags, shows that they are there. The read-me's
# packaging notes tell more.
hardening-check --nocfprotection "$juuri/usr/games/morvak" ||
    virhe "the game lacks Debian's hardening"
hardening-check --nocfprotection --nofortify "$juuri/usr/games/morvakpoisto" ||
    virhe "the removal tool lacks Debian's hardening"

for sivu in morvak morvakpoisto; do
    varoitukset=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
        "$juuri/usr/share/man/man6/$sivu.6.gz" 2>&1 >/dev/null)
    [ -z "$varoitukset" ] || virhe "man $sivu: $varoitukset"
done

[ "$virheita" -eq 0 ]
