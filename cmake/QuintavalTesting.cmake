# SPDX-License-Identifier: GPL-3.0-or-later
# quintaval_add_test(<name>
#     SOURCES <files...>            test sources
#     LIBRARIES <targets...>        what the test links besides QtTest and tests/support
#     LABEL <layer>                 calendar, state, platform, ui, widget, resources, e2e, ...
#     [TZ <zone>]                   time zone the test runs in (Europe/Paris unless given)
#     [WRAPPER <command...>]        runs the test through e.g. dbus-run-session
#     [XVFB_SCREEN <width>x<height>] runs the test on its own Xvfb screen and session bus
#     [ENVIRONMENT <VAR=value...>]  extra environment
#     [TIMEOUT <seconds>])
# One QtTest executable per unit or feature, run offscreen in a UTF-8 locale.
function(quintaval_add_test name)
    cmake_parse_arguments(ARG "" "LABEL;TZ;TIMEOUT;XVFB_SCREEN" "SOURCES;LIBRARIES;WRAPPER;ENVIRONMENT" ${ARGN})
    if(NOT ARG_LABEL)
        message(FATAL_ERROR "quintaval_add_test(${name}): LABEL is required")
    endif()
    if(NOT ARG_TZ)
        set(ARG_TZ "Europe/Paris")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    if(ARG_XVFB_SCREEN)
        quintaval_xvfb_wrapper(ARG_WRAPPER ${ARG_XVFB_SCREEN})
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

# xvfb-run, for one test, with a private session bus. Each test searches for a free display from
# its own number up, so that tests started together do not pick the same one, and the server
# keeps running while no client is connected: by default it resets then, and a program that
# connects during the reset is turned away.
function(quintaval_xvfb_wrapper out screen)
    get_property(next GLOBAL PROPERTY QUINTAVAL_NEXT_DISPLAY)
    if(NOT next)
        set(next 110)
    endif()
    math(EXPR following "${next} + 10")
    set_property(GLOBAL PROPERTY QUINTAVAL_NEXT_DISPLAY ${following})
    set(${out} xvfb-run -n ${next} -a -s "-screen 0 ${screen}x24 -noreset" dbus-run-session -- PARENT_SCOPE)
endfunction()

# libfaketime, preloaded straight into the programs that tests start at a chosen instant (the
# faketime command would stay in between and keep signals from them).
find_file(QUINTAVAL_LIBFAKETIME libfaketimeMT.so.1 PATH_SUFFIXES faketime
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE} NO_DEFAULT_PATH REQUIRED)
