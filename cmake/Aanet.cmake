# The game's five sounds, synthesised at build time by tools/aanisyntetisaattori
# into MORVAK_AANIKANSIO: the Linux game plays them from there or from its
# installation, the Windows game carries them in its resources. A cross build
# compiles the synthesiser for the machine that builds, so no Windows program
# runs during the build.
set(MORVAK_AANIKANSIO ${CMAKE_BINARY_DIR}/game/aanet)
set(MORVAK_AANITIEDOSTOT)
foreach(aani ohi osuma uppoaminen voitto tappio)
    list(APPEND MORVAK_AANITIEDOSTOT ${MORVAK_AANIKANSIO}/${aani}.wav)
endforeach()

set(syntetisaattorin_lahde ${PROJECT_SOURCE_DIR}/tools/aanisyntetisaattori.cpp)
if(CMAKE_CROSSCOMPILING)
    find_program(MORVAK_ISANNAN_CXX NAMES c++ g++ REQUIRED)
    set(syntetisaattori ${CMAKE_BINARY_DIR}/tools/aanisyntetisaattori)
    add_custom_command(
        OUTPUT ${syntetisaattori}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
        COMMAND ${MORVAK_ISANNAN_CXX} -std=c++20 -O2 -o ${syntetisaattori} ${syntetisaattorin_lahde}
        DEPENDS ${syntetisaattorin_lahde}
        VERBATIM)
else()
    add_executable(aanisyntetisaattori ${syntetisaattorin_lahde})
    set(syntetisaattori aanisyntetisaattori)
endif()

add_custom_command(
    OUTPUT ${MORVAK_AANITIEDOSTOT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVAK_AANIKANSIO}
    COMMAND ${syntetisaattori} ${MORVAK_AANIKANSIO}
    DEPENDS ${syntetisaattori}
    VERBATIM)
add_custom_target(aanet ALL DEPENDS ${MORVAK_AANITIEDOSTOT})
