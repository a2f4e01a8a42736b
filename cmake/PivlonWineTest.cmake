# Windows test programs, run by CTest under Wine through the emulator of the
# toolchain file (scripts/wine-run).
#
#   pivlon_add_wine_test(<target>
#       SOURCES <source>...
#       [LIBRARIES <library>...]
#       [ENVIRONMENT <NAME=value>...]  (values without ";")
#       [TIMEOUT <seconds>]          (per test case; default 120)
#       [GMOCK])                     (link gmock_main instead of gtest_main)
#
# Each GoogleTest case becomes one CTest test named <target>.<Suite>.<Case>.
# The cases run one at a time, inside the fixture that keeps one display and
# one wineserver alive for the whole run. They see PIVLON_STANDINS_DIR, the
# Windows path of the folder that holds the stand-in programs.
#
# Wine's ANSI code page follows the locale (1252 unless LC_ALL names a Japanese
# one); the wrapper leaves the locale alone, so a test may set LC_ALL in its
# ENVIRONMENT.

set(PIVLON_WINE_HOME ${CMAKE_BINARY_DIR}/wine)
set(PIVLON_STANDINS_DIR ${CMAKE_BINARY_DIR}/standins)
set(PIVLON_WINE_FIXTURE pivlon_wine)
set(PIVLON_WINE_TEST_TIMEOUT 120)

# The Windows name of a Unix path: Wine maps drive Z: to the root.
function(pivlon_windows_path out path)
    string(REPLACE "/" "\\" windows "${path}")
    set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()

if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    get_filename_component(session ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-session ABSOLUTE)
    add_test(NAME wine.session.start COMMAND ${session} start ${PIVLON_WINE_HOME})
    add_test(NAME wine.session.stop COMMAND ${session} stop ${PIVLON_WINE_HOME})
    # Creating the prefix on a fresh machine takes a while.
    set_tests_properties(wine.session.start PROPERTIES
        FIXTURES_SETUP ${PIVLON_WINE_FIXTURE} RUN_SERIAL TRUE TIMEOUT 300)
    set_tests_properties(wine.session.stop PROPERTIES
        FIXTURES_CLEANUP ${PIVLON_WINE_FIXTURE} RUN_SERIAL TRUE TIMEOUT 60)
    unset(session)
endif()

function(pivlon_add_wine_test target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GMOCK" "TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT")
    if(NOT WIN32)
        message(FATAL_ERROR "pivlon_add_wine_test(${target}) needs a Windows toolchain")
    endif()
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "pivlon_add_wine_test(${target}): unknown ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT ${PIVLON_WINE_TEST_TIMEOUT})
    endif()
    if(arg_GMOCK)
        set(main GTest::gmock_main)
    else()
        set(main GTest::gtest_main)
    endif()

    add_executable(${target} ${arg_SOURCES})
    target_link_libraries(${target} PRIVATE ${arg_LIBRARIES} ${main})
    add_dependencies(${target} standin_mail_client standin_sender)

    # The variables go to the emulator through env: gtest_discover_tests
    # flattens a test property that holds more than one of them.
    pivlon_windows_path(standins ${PIVLON_STANDINS_DIR})
    set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR
        env PIVLON_STANDINS_DIR=${standins} ${arg_ENVIRONMENT} ${CMAKE_CROSSCOMPILING_EMULATOR})
    gtest_discover_tests(${target}
        TEST_PREFIX ${target}.
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 300
        PROPERTIES
            FIXTURES_REQUIRED ${PIVLON_WINE_FIXTURE}
            RUN_SERIAL TRUE
            TIMEOUT ${arg_TIMEOUT})
endfunction()
