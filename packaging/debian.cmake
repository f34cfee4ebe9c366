# SPDX-License-Identifier: MIT
# The Debian package, made by CPack from the install set (see the README):
#   cmake --workflow --preset package
# Its dependencies come from dpkg-shlibdeps, plus what is loaded or read at
# run time only. The copyright file and the changelog go into the package's
# documentation folder, which is the install's own.

set(changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(STRINGS ${changelog} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}")
endif()
# Compressed as Debian keeps it: the most, and without a time stamp.
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9 -n -c ${changelog} > changelog.gz
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(quornel_changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The Quornel Desktop Notes developers")
set(CPACK_PACKAGE_CONTACT "The Quornel Desktop Notes developers <developers@quornel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "note on the desktop, with a clock and a mascot who reads it")
set(CPACK_PACKAGE_DESCRIPTION "\
A small tool window on the desktop shows one note on a picture of Quornel,
the mascot, together with a clock. Click the note to change it; click
Quornel for the menu. Quornel can read the note aloud, the window opens and
hides with a short animation and can be made translucent, and it hides to
an icon in the notification area. Every change is saved the moment it is
made.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quornel.org/desktop-notes/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, never linked: the X11 display plugin, the voice data and
# the dialogs' face.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, espeak-ng-data, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The package's files lie under /usr, and the autostart entry under /etc,
# where the administrator may change it: a configuration file of the package.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_INSTALL_PREFIX /usr)
file(WRITE ${PROJECT_BINARY_DIR}/debian/conffiles
    "/etc/xdg/autostart/quornel-desktop-notes.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/conffiles)
include(CPack)
