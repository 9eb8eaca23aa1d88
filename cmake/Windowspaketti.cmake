# The Windows packages, both from the cross build's top folder: the installer
# morvak-<version>.msi, made by msitools' wixl from packaging/windows/, and
# morvak-<version>.zip of the same four files for playing without installing:
# both programs, the read-me and the licence.
find_program(MORVAK_WIXL wixl REQUIRED)

file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/license.txt INPUT ${PROJECT_SOURCE_DIR}/LICENSE)
set(morvak_tiedostot morvak.exe morvakpoisto.exe readme.txt license.txt)
set(morvak_lahteet $<TARGET_FILE:morvak> $<TARGET_FILE:morvakpoisto> ${PROJECT_BINARY_DIR}/readme.txt
                   ${PROJECT_BINARY_DIR}/license.txt)

# The installer of this build's files under the version given. wixl finds the
# files it packs relative to the folder it runs in.
function(morvak_msi tiedosto versio)
    set(wxs ${PROJECT_SOURCE_DIR}/packaging/windows/morvak.wxs)
    add_custom_command(
        OUTPUT ${tiedosto}
        COMMAND ${MORVAK_WIXL} --arch x64 -D Versio=${versio}
                -D Ikoni=game/resources/morvak.ico -o ${tiedosto} ${wxs}
        DEPENDS ${wxs} ${morvak_lahteet} ${PROJECT_BINARY_DIR}/game/resources/morvak.ico
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
        VERBATIM)
endfunction()

set(morvak_msi ${PROJECT_BINARY_DIR}/morvak-${PROJECT_VERSION}.msi)
set(morvak_zip ${PROJECT_BINARY_DIR}/morvak-${PROJECT_VERSION}.zip)
morvak_msi(${morvak_msi} ${PROJECT_VERSION})
add_custom_command(
    OUTPUT ${morvak_zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${morvak_zip} --format=zip ${morvak_tiedostot}
    DEPENDS ${morvak_lahteet}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    VERBATIM)
add_custom_target(windowspaketit ALL DEPENDS ${morvak_msi} ${morvak_zip})
