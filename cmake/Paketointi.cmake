# A Debian package of both programs: `make package`, or `cpack` in a build
# folder. Its library dependencies are read from the programs themselves; what
# it installs, the copyright file and the changelog included, is the install
# rules' (Asennus.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvak)
set(CPACK_PACKAGE_VENDOR Relvano)
set(CPACK_PACKAGE_CONTACT "Relvano <palaute@morvak.fi>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "laivanupotuspeli tietokonetta vastaan")
# One line of the description per line of the package manager's listing.
set(CPACK_PACKAGE_DESCRIPTION
    "Morvak on suomenkielinen laivanupotuspeli yhdelle pelaajalle. Sinä ja\n\
tietokone piilotatte kumpikin kymmenen laivaa 10 x 10 ruudun ruudukkoon\n\
ja ammutte vuorotellen. Pisimmät voittoputket pysyvät parhaiden tulosten\n\
listalla. Paketissa on myös morvakpoisto, joka poistaa pelin tallentamat\n\
tiedot.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The licence lets the game be passed on only unchanged, which Debian counts as
# not free: its games of that kind are in the section non-free/games.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morvak.fi/morvak/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: the Finnish texts of Qt's own dialogs, which the
# game loads at start, the font its windows were laid out in, the desktop's
# event-sound library, which the game opens only when the player turns sounds
# on, and the platform plugin of Wayland desktops.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-liberation | fonts-liberation2, libcanberra0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
