# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder writes quintaval_<version>_<arch>.deb with
# everything the install rules put in place, under /usr.
set(CPACK_PACKAGE_NAME quintaval)
set(CPACK_PACKAGE_VENDOR "The Quintaval developers")
# The project, not a person, maintains the package. Whoever publishes it sets the address that
# really reaches the project's maintainers: -DQUINTAVAL_PACKAGE_MAINTAINER="Name <address>".
set(quintaval_default_maintainer "The Quintaval developers <developers@quintaval.org>")
set(QUINTAVAL_PACKAGE_MAINTAINER ${quintaval_default_maintainer} CACHE STRING "Maintainer field of the Debian package")
# Build folders configured before kept the earlier default, an address that reached nobody.
if(QUINTAVAL_PACKAGE_MAINTAINER STREQUAL "The Quintaval developers <noreply@quintaval.invalid>")
    set_property(CACHE QUINTAVAL_PACKAGE_MAINTAINER PROPERTY VALUE ${quintaval_default_maintainer})
endif()
set(CPACK_PACKAGE_CONTACT ${QUINTAVAL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Debian wants the long description in lines of under 80 columns; CPack indents each one.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quintaval tells the present day in the French Republican calendar and the"
    "time in decimal time (ten hours of a hundred minutes of a hundred seconds)"
    "as a live text in the status bar. A click opens a panel with the full date,"
    "the day's plant, animal, tool or mineral with its engraving, the events of"
    "the Revolution on that day, and day-by-day navigation."
    ""
    "It can chime at each decimal hour and remind you each morning of the day,"
    "and comes with desktop widgets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision makes the package non-native, as it is: the program has releases of its own,
# and its changelog is the packaging's (changelog.Debian.gz).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The linked Qt libraries come from dpkg-shlibdeps; the rest is loaded at run time by name and no
# linker sees it: the X11 platform plug-in, GStreamer's elements behind Qt Multimedia (the chime
# is a WAV file, parsed by plugins-good, played through PulseAudio or ALSA) and the colour emoji
# font every month's title starts with. The SVG plug-ins come with libqt6svg6, which is linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(quintaval_runtime_packages
    qt6-qpa-plugins
    gstreamer1.0-plugins-base
    gstreamer1.0-plugins-good
    "gstreamer1.0-pulseaudio | gstreamer1.0-alsa"
    fonts-noto-color-emoji
    tzdata)
list(JOIN quintaval_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Reminders need a notification server and the status item a session bus, which every desktop
# brings; under Wayland the programs run through XWayland (the X11 plug-in above); the widget's day
# number is drawn in DejaVu's light weight when it is there.
set(quintaval_recommended_packages
    notification-daemon
    "default-dbus-session-bus | dbus-session-bus"
    xwayland
    hicolor-icon-theme
    fonts-dejavu-extra)
list(JOIN quintaval_recommended_packages ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
# GNOME Shell shows status items only with this extension.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS gnome-shell-extension-appindicator)

# What Debian asks of every package: the copyright in the machine-readable format and the
# packaging's changelog, gzipped without name or time stamp so that the bytes stay the same from
# build to build, and lintian's overrides, each with the reason it does not apply.
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build_dir ${PROJECT_BINARY_DIR}/packaging)
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
file(STRINGS ${packaging_dir}/changelog.in changelog_head LIMIT_COUNT 1)
set(package_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
if(NOT changelog_head MATCHES "^${CPACK_PACKAGE_NAME} \\(${package_version}\\) ")
    message(FATAL_ERROR "packaging/changelog.in does not start with version ${package_version}: add its entry.")
endif()
configure_file(${packaging_dir}/copyright.in ${packaging_build_dir}/copyright @ONLY)
configure_file(${packaging_dir}/changelog.in ${packaging_build_dir}/changelog.Debian @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${packaging_build_dir}/changelog.Debian.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${packaging_build_dir}/changelog.Debian > ${packaging_build_dir}/changelog.Debian.gz
    DEPENDS ${packaging_build_dir}/changelog.Debian
    VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${packaging_build_dir}/changelog.Debian.gz)
install(FILES ${packaging_build_dir}/copyright ${packaging_build_dir}/changelog.Debian.gz DESTINATION ${package_doc_dir})
install(FILES ${packaging_dir}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
