# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Zorvane developers
# The Linux desktop: install rules under the application id, the manual page, the Debian
# changelog, and the .deb that scripts/package makes with `cpack -G DEB`.
# Installed under the application id everywhere.
include(GNUInstallDirs)
# Debian puts games in /usr/games (scripts/package sets "games"); elsewhere bin/ is the place.
# The desktop entry starts the program by name, from either.
set(ZORVANE_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Where the executable is installed, relative to the prefix")
# Not the installer's umask: the package's folders are 755 on any machine.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(app_id ${ZORVANE_APP_ID})
install(TARGETS zorvane RUNTIME DESTINATION ${ZORVANE_INSTALL_BINDIR})
configure_file(desktop/zorvane.desktop.in ${app_id}.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(desktop/zorvane.metainfo.xml.in ${app_id}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/zorvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${app_id}.svg)
foreach(size IN LISTS ZORVANE_ICON_SIZES)
    install(FILES resources/zorvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
endforeach()
string(REPLACE "©" "\\(co" ZORVANE_COPYRIGHT_ROFF "${ZORVANE_COPYRIGHT}")
# The manual page names the game where it is installed.
cmake_path(ABSOLUTE_PATH ZORVANE_INSTALL_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE ZORVANE_INSTALL_FULL_BINDIR)
configure_file(desktop/zorvane.6.in zorvane.6 @ONLY)
# Compressed, as Debian's policy wants manual pages; -n keeps the time stamp out of the file.
execute_process(COMMAND gzip -9nkf zorvane.6 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zorvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES desktop/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
# AppStream 1.0 and later warn that the metainfo names no home page; the override says why
# lintian may let that pass. Not where nothing warns: an unused override is a complaint too.
find_program(ZORVANE_APPSTREAMCLI appstreamcli)
set(ZORVANE_LINTIAN_OVERRIDE OFF CACHE INTERNAL "")
if(ZORVANE_APPSTREAMCLI)
    execute_process(COMMAND ${ZORVANE_APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
    if(appstream_version MATCHES "version: ([0-9]+)" AND CMAKE_MATCH_1 GREATER_EQUAL 1)
        set(ZORVANE_LINTIAN_OVERRIDE ON CACHE INTERNAL "")
        install(FILES desktop/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
                RENAME zorvane)
    endif()
endif()

# The Debian package, made by scripts/package with `cpack -G DEB`.
set(ZORVANE_PACKAGE_MAINTAINER "The Zorvane developers <developers@zorvane.org>"
    CACHE STRING "The Debian package's Maintainer field, as \"name <address>\"")

# The changelog, one entry per release, compressed as Debian's policy wants it.
configure_file(desktop/changelog changelog COPYONLY)
execute_process(COMMAND gzip -9nkf changelog WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Dependencies are what dpkg-shlibdeps finds. The game runs without these, so they are only
# recommended: the banners' Tahoma (else the platform's sans-serif), and Qt's Wayland plugin
# (else Qt falls back to X11 through XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, qt6-wayland")
include(CPack)

