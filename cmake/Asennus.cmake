# Installation on a Linux desktop: both programs, the game's menu entry, its
# icon in the hicolor theme and its AppStream description. Every destination is
# relative to the prefix, so `--prefix` and DESTDIR work as for any other
# program. The read-me is installed beside the game's resources, where the help
# command looks for it.
include(GNUInstallDirs)

# The help command finds the read-me through ../share/morvak/ from the
# program's own folder, wherever the prefix is.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "The game looks for its read-me in ../share/morvak/ beside its program; "
                    "with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
                    "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} the help command will not find it.")
endif()

set(MORVAK_SOVELLUSTUNNUS fi.relvano.Morvak)
set(morvak_resurssit ${PROJECT_SOURCE_DIR}/game/resources)

install(TARGETS morvak morvakpoisto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${morvak_resurssit}/${MORVAK_SOVELLUSTUNNUS}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${morvak_resurssit}/${MORVAK_SOVELLUSTUNNUS}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon in the hicolor theme, drawn at build time.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
