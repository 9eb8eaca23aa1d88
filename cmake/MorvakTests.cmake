# One test program per test file, named after the file.
if(NOT BUILD_TESTING)
    return()
endif()

if(WIN32)
    # Debian ships GoogleTest as sources only for cross builds.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Its sources are not held to our warning flags.
    set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()

    # The Windows programs run under Wine in a prefix of this build's own,
    # created by the first test without a display or a terminal.
    set(MORVAK_WINE_YMPARISTO
        "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
        "WINEDEBUG=-all"
        "WINEDLLOVERRIDES=mscoree,mshtml="
        "DISPLAY=")
    add_test(NAME wine_prefix
             COMMAND sh -c "[ -f \"$WINEPREFIX/.valmis\" ] || { \"$0\" wineboot --init && touch \"$WINEPREFIX/.valmis\"; }"
                     ${CMAKE_CROSSCOMPILING_EMULATOR})
    set_tests_properties(wine_prefix PROPERTIES
        ENVIRONMENT "${MORVAK_WINE_YMPARISTO}"
        FIXTURES_SETUP wine
        TIMEOUT 300)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# morvak_rules_test(<file.cpp> <libraries...>): a GoogleTest program, no window.
function(morvak_rules_test source)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main)
    if(WIN32)
        # Listing the cases would start Wine at build time; one test per
        # program runs them all.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${MORVAK_WINE_YMPARISTO}"
            FIXTURES_REQUIRED wine)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                             PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()

# morvak_window_test(<file.cpp> <libraries...>): a Qt Test program on the
# offscreen platform, driving the real widgets. A window that searches for
# network games does it on the loopback only.
function(morvak_window_test source)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MORVAK_VERKKO_LAHETYS=127.0.0.1")
endfunction()
