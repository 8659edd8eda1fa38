# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# `cpack -G DEB` in a build tree configured with CMAKE_INSTALL_PREFIX=/usr
# makes the four Debian packages; `cpack --config CPackSourceConfig.cmake`
# the source tarball. Library dependencies are computed by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "The Quillora Folk")
set(CPACK_PACKAGE_CONTACT "The Quillora Folk <maintainers@quillora.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillora.example.org")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Program Library Development Phonesim)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the library of the sibling package in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/trelvix)

set(CPACK_COMPONENT_PROGRAM_DEPENDS Library)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Library)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME quillora)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION comm)
# Qt opens its platform plugins itself, so no library link names them.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "libjpeg-turbo-progs, qt6-translations-l10n, fonts-wqy-microhei")
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION
"exchange pictures, ringtones and contacts with a mobile phone
Quillora finds a mobile phone by itself on any serial port (serial cable,
USB or IrDA), shows its model, port and speed, sends pictures, animations,
ringtones, vCards and vCalendars, lists, retrieves and deletes the phone's
objects, converts received AMR and ADPCM sounds to WAV and turns received
photos losslessly. A command-line front end, quillora-cli, is included.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libtrelvix0)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
# Only the library's package has a shared object to list in a shlibs file.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The loader's cache is refreshed by dpkg's trigger, not by a script.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/libtrelvix0/triggers
  ${PROJECT_SOURCE_DIR}/packaging/libtrelvix0/postinst ${PROJECT_SOURCE_DIR}/packaging/libtrelvix0/postrm)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION
"mobile phone detection over serial ports (shared library)
Trelvix opens serial ports, exchanges AT commands with a mobile phone,
lists the machine's serial ports and detects a phone on any of them.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtrelvix-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
"mobile phone detection over serial ports (development files)
The C header, pkg-config file and CMake package of the Trelvix library.")

set(CPACK_DEBIAN_PHONESIM_PACKAGE_NAME quillora-phonesim)
set(CPACK_DEBIAN_PHONESIM_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_PHONESIM_DESCRIPTION
"simulated mobile phone on a pseudo-terminal
quillora-phonesim answers the AT and object commands of a mobile phone on
a pseudo-terminal, with an object store in memory or in a folder, for
testing programs that talk to phones.")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME quillora-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/" "/\\\\.cache/" "\\\\.swp$")
include(CPack)
