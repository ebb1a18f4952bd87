# quintaval_add_test(<name>
#     SOURCES <files...>            test sources
#     LIBRARIES <targets...>        what the test links besides QtTest and tests/support
#     LABEL <layer>                 calendar, state, platform, ui, widget, resources, e2e, ...
#     [TZ <zone>]                   time zone the test runs in (Europe/Paris unless given)
#     [WRAPPER <command...>]        runs the test through e.g. dbus-run-session or xvfb-run
#     [ENVIRONMENT <VAR=value...>]  extra environment
#     [TIMEOUT <seconds>])
# One QtTest executable per unit or feature, run offscreen in a UTF-8 locale.
function(quintaval_add_test name)
    cmake_parse_arguments(ARG "" "LABEL;TZ;TIMEOUT" "SOURCES;LIBRARIES;WRAPPER;ENVIRONMENT" ${ARGN})
    if(NOT ARG_LABEL)
        message(FATAL_ERROR "quintaval_add_test(${name}): LABEL is required")
    endif()
    if(NOT ARG_TZ)
        set(ARG_TZ "Europe/Paris")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test quintaval_test_support ${ARG_LIBRARIES})
    quintaval_warnings(${name})
    add_test(NAME ${name} COMMAND ${ARG_WRAPPER} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABEL}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=${ARG_TZ};${ARG_ENVIRONMENT}")
endfunction()

# libfaketime, preloaded straight into the programs that tests start at a chosen instant (the
# faketime command would stay in between and keep signals from them).
find_file(QUINTAVAL_LIBFAKETIME libfaketimeMT.so.1 PATH_SUFFIXES faketime
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE} NO_DEFAULT_PATH REQUIRED)
