# Installation on a Linux desktop: both programs in games/, as Debian keeps its
# games, the game's menu entry, its icon in the hicolor theme, its AppStream
# description, the manual pages and the documents folder with the read-me, the
# licence and the changelog. Every destination is relative to the prefix, so
# `--prefix` and DESTDIR work as for any other program.
include(GNUInstallDirs)

set(MORVAK_SOVELLUSTUNNUS fi.relvano.Morvak)
set(MORVAK_OHJELMAKANSIO games)
set(MORVAK_OHJEKANSIO ${CMAKE_INSTALL_DATADIR}/doc/morvak)
set(morvak_resurssit ${PROJECT_SOURCE_DIR}/game/resources)

# The help command finds the read-me through ../share/doc/morvak/ from the
# program's own folder, wherever the prefix is.
if(NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "The game looks for its read-me in ../share/doc/morvak/ beside its program; "
                    "with CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} the help command will not find it.")
endif()

install(TARGETS morvak morvakpoisto RUNTIME DESTINATION ${MORVAK_OHJELMAKANSIO})
# Stripping, as the package does, also drops the compiler's identification,
# which nothing reads.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(ohjelma morvak morvakpoisto)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MORVAK_OHJELMAKANSIO}/\${ohjelma}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

# The menu entry starts the game by its full path, which only the prefix given
# at install time tells; each install writes its own copy, so that two at once
# cannot mix their prefixes.
install(CODE "
    set(MORVAK_PELI \"\${CMAKE_INSTALL_PREFIX}/${MORVAK_OHJELMAKANSIO}/morvak\")
    set(valikko \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${MORVAK_SOVELLUSTUNNUS}.desktop\")
    message(STATUS \"Installing: \${valikko}\")
    configure_file(\"${morvak_resurssit}/${MORVAK_SOVELLUSTUNNUS}.desktop.in\" \"\${valikko}\" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${valikko}\")")
install(FILES ${morvak_resurssit}/${MORVAK_SOVELLUSTUNNUS}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(${PROJECT_SOURCE_DIR}/cmake/Asiakirjat.cmake)
install(FILES ${morvak_resurssit}/readme.txt ${MORVAK_TEKIJANOIKEUDET} ${MORVAK_MUUTOSLOKI}
        DESTINATION ${MORVAK_OHJEKANSIO})
install(FILES ${MORVAK_OHJESIVUT} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The sounds where the game looks for them, ../share/games/morvak/ from its
# program's folder.
install(FILES ${MORVAK_AANITIEDOSTOT} DESTINATION ${CMAKE_INSTALL_DATADIR}/games/morvak)

# The icon in the hicolor theme, drawn at build time.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
