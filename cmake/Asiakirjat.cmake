# The documents an installation carries, made from the project's own texts:
# the Debian copyright file around the licence, and the changelog and the two
# manual pages compressed as Debian keeps them. Sets MORVAK_TEKIJANOIKEUDET,
# MORVAK_MUUTOSLOKI and MORVAK_OHJESIVUT to the files made.
find_program(MORVAK_GZIP gzip REQUIRED)
set(asiakirjat ${CMAKE_BINARY_DIR}/asiakirjat)

# The licence is written once, in LICENSE; the copyright file carries it as a
# field's continuation lines, an empty line written as a lone full stop.
set(lisenssi ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${lisenssi})
file(READ ${lisenssi} MORVAK_LISENSSI)
string(STRIP "${MORVAK_LISENSSI}" MORVAK_LISENSSI)
while(MORVAK_LISENSSI MATCHES "\n\n")
    string(REPLACE "\n\n" "\n.\n" MORVAK_LISENSSI "${MORVAK_LISENSSI}")
endwhile()
string(REPLACE "\n" "\n " MORVAK_LISENSSI " ${MORVAK_LISENSSI}")
set(MORVAK_TEKIJANOIKEUDET ${asiakirjat}/copyright)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/copyright.in ${MORVAK_TEKIJANOIKEUDET} @ONLY)

# Compressed without a name or a time stamp, so that every build of the same
# text gives the same bytes.
set(MORVAK_MUUTOSLOKI ${asiakirjat}/changelog.gz)
set(MORVAK_OHJESIVUT ${asiakirjat}/morvak.6.gz ${asiakirjat}/morvakpoisto.6.gz)
foreach(lahde packaging/debian/changelog docs/morvak.6 docs/morvakpoisto.6)
    get_filename_component(nimi ${lahde} NAME)
    add_custom_command(
        OUTPUT ${asiakirjat}/${nimi}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${lahde} ${asiakirjat}/${nimi}
        COMMAND ${MORVAK_GZIP} -9nf ${asiakirjat}/${nimi}
        DEPENDS ${PROJECT_SOURCE_DIR}/${lahde}
        VERBATIM)
endforeach()
add_custom_target(asiakirjat ALL DEPENDS ${MORVAK_MUUTOSLOKI} ${MORVAK_OHJESIVUT})
