# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The installed tree, in four components that become four Debian packages:
#   Library      lib/libtrelvix.so.<version>           (libtrelvix0)
#   Development  include/trelvix.h, the .so link,
#                pkg-config and CMake package files     (libtrelvix-dev)
#   Program      bin/quillora, bin/quillora-cli, manuals,
#                desktop entry, metainfo, icons, man pages (quillora)
#   Phonesim     bin/quillora-phonesim and its man page (quillora-phonesim)
# The program looks for its manual in ../share/doc/quillora.
set(CMAKE_INSTALL_DOCDIR share/doc/quillora)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Man pages and the changelog go compressed, as Debian wants them.
set(quillora_gz_dir ${PROJECT_BINARY_DIR}/compressed)
set(quillora_gz_files "")
function(quillora_gzip source name)
  set(out ${quillora_gz_dir}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quillora_gz_dir}
    COMMAND gzip -9nc ${source} > ${out}
    DEPENDS ${source} VERBATIM)
  set(quillora_gz_files ${quillora_gz_files} ${out} PARENT_SCOPE)
endfunction()
quillora_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog changelog)
quillora_gzip(${PROJECT_SOURCE_DIR}/tools/phonesim/quillora-phonesim.1 quillora-phonesim.1)
if(QUILLORA_QT)
  quillora_gzip(${PROJECT_SOURCE_DIR}/app/shell/quillora.1 quillora.1)
  quillora_gzip(${PROJECT_SOURCE_DIR}/app/cli/quillora-cli.1 quillora-cli.1)
endif()
add_custom_target(quillora_compressed ALL DEPENDS ${quillora_gz_files})

# Every package carries the licence terms and the changelog.
function(quillora_package_docs component package)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${quillora_gz_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endfunction()
quillora_package_docs(Library libtrelvix0)
quillora_package_docs(Development libtrelvix-dev)
quillora_package_docs(Phonesim quillora-phonesim)

# Installed programs find the library beside them only when the prefix is
# not a system one; under /usr the loader's own paths serve.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(quillora_rpath "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
else()
  set(quillora_rpath "")
endif()

install(TARGETS trelvix EXPORT TrelvixTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Library NAMELINK_COMPONENT Development
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)

install(EXPORT TrelvixTargets NAMESPACE Trelvix::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trelvix COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TrelvixConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TrelvixConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trelvix)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TrelvixConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TrelvixConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TrelvixConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trelvix COMPONENT Development)
# The pkg-config file finds the prefix from where it lies, so that an
# install under another --prefix still points at its own tree.
file(RELATIVE_PATH trelvix_pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" trelvix_pc_to_prefix "${trelvix_pc_to_prefix}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/trelvix.pc.in ${CMAKE_CURRENT_BINARY_DIR}/trelvix.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/trelvix.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

install(TARGETS quillora-phonesim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Phonesim)
install(FILES ${quillora_gz_dir}/quillora-phonesim.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Phonesim)

if(QUILLORA_QT)
  set_target_properties(quillora quillora-cli PROPERTIES INSTALL_RPATH "${quillora_rpath}")
  install(TARGETS quillora quillora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Program)
  quillora_package_docs(Program quillora)
  install(FILES ${quillora_gz_dir}/quillora.1.gz ${quillora_gz_dir}/quillora-cli.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Program)
  set(desktop ${PROJECT_SOURCE_DIR}/app/resources/desktop)
  install(FILES ${desktop}/org.quillora.Quillora.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Program)
  install(FILES ${desktop}/org.quillora.Quillora.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Program)
  if(EXISTS ${desktop}/org.quillora.Quillora.mime.xml)
    install(FILES ${desktop}/org.quillora.Quillora.mime.xml
      DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT Program)
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/app/resources/images/quillora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME org.quillora.Quillora.svg COMPONENT Program)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PROJECT_BINARY_DIR}/app/controls/art/quillora-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME org.quillora.Quillora.png COMPONENT Program)
  endforeach()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Program
    FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png")
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Program)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/packaging.cmake)
