# The game's Windows resources: its version information and its icon, made
# from the window's own icon pictures. An object library, so that whatever
# carries the game's identity on Windows links exactly these.
enable_language(RC)

set(morvak_ikoni ${CMAKE_CURRENT_BINARY_DIR}/resources/morvak.ico)
set(morvak_ikonin_kuvat
    ${PROJECT_SOURCE_DIR}/game/resources/morvak16.png
    ${PROJECT_SOURCE_DIR}/game/resources/morvak32.png
    ${PROJECT_SOURCE_DIR}/game/resources/morvak48.png)
add_custom_command(
    OUTPUT ${morvak_ikoni}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/resources
    COMMAND sh ${PROJECT_SOURCE_DIR}/tools/ikonitiedosto.sh ${morvak_ikoni} ${morvak_ikonin_kuvat}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/ikonitiedosto.sh ${morvak_ikonin_kuvat}
    VERBATIM)

add_library(morvak_resurssit OBJECT ${PROJECT_SOURCE_DIR}/game/resources/morvak.rc)
# windres looks for the icon file in the include folders.
target_include_directories(morvak_resurssit PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/resources)
set_source_files_properties(${PROJECT_SOURCE_DIR}/game/resources/morvak.rc
                            PROPERTIES OBJECT_DEPENDS ${morvak_ikoni})
