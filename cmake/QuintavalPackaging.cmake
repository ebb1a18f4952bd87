# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder writes quintaval_<version>_<arch>.deb with
# everything the install rules put in place, under /usr.
set(CPACK_PACKAGE_NAME quintaval)
set(CPACK_PACKAGE_VENDOR "The Quintaval developers")
set(QUINTAVAL_PACKAGE_MAINTAINER "The Quintaval developers <noreply@quintaval.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
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

include(CPack)
