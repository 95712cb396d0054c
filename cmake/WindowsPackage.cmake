# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Zorvane developers
# Windows: the program's icon, version information and manifest, the folder it installs into,
# and its two packages, made with `cpack`: a zip holding the one self-contained zorvane.exe,
# and an NSIS setup with a Start-menu shortcut and an uninstaller.

# The icon, the version information and, for MinGW, the manifest, compiled into every program
# of ours: About reads the copyright from the running program's own version information.
set(ZORVANE_WINDOWS_ICON ${CMAKE_CURRENT_SOURCE_DIR}/resources/zorvane.ico)
configure_file(resources/zorvane.manifest.in zorvane.manifest @ONLY)
if(MSVC)
    # The linker writes the manifest and merges ours into it.
    set(ZORVANE_RC_MANIFEST "")
else()
    set(ZORVANE_RC_MANIFEST "1 24 \"${CMAKE_CURRENT_BINARY_DIR}/zorvane.manifest\"")
endif()
configure_file(resources/zorvane.rc.in zorvane.rc @ONLY)
function(zorvane_windows_resources target)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/zorvane.rc)
    if(MSVC)
        target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/zorvane.manifest)
    endif()
endfunction()
zorvane_windows_resources(zorvane)

install(TARGETS zorvane RUNTIME DESTINATION .)
configure_file(LICENSE LICENSE.txt COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME zorvane-${PROJECT_VERSION}-win64)
# The zip holds the program and its licence, with no folder around them.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zorvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zorvane)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
# The Start menu's shortcut: the program, under its own name.
set(CPACK_PACKAGE_EXECUTABLES zorvane Zorvane)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# A 64-bit setup for a 64-bit program: it installs into the 64-bit Program Files and registry
# without redirection, and needs no 32-bit layer.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Zorvane)
set(CPACK_NSIS_DISPLAY_NAME Zorvane)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${ZORVANE_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${ZORVANE_WINDOWS_ICON})
# Apps & features shows the program's own icon beside its name, version and publisher.
set(CPACK_NSIS_INSTALLED_ICON_NAME zorvane.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# The setup's own name says what it is beside the zip.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
include(CPack)
