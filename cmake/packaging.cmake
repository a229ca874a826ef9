# Install rules and the packages a user downloads, all from this one tree.
#
#   Linux (release preset): bin/kovrant, bin/ldbtool; README.md, LICENSE and
#     examples/ (levers.ldb and its LeverPrototypes.txt) in share/doc/kovrant/.
#     CPack: kovrant-<version>-Linux-x86_64.tar.gz and a .deb.
#   Windows (mingw32, mingw64 presets): one folder with kovrant.exe,
#     ldbtool.exe, README.txt and LICENSE.txt (CR LF line ends, for Notepad
#     and for the habits of Windows users) and examples\.
#     CPack: kovrant-<version>-win32.zip, kovrant-<version>-win64.zip.
#
# ldbtool is shipped wherever its target exists.

set(kovrant_programs kovrant)
if(TARGET ldbtool)
  list(APPEND kovrant_programs ldbtool)
  kovrant_add_version_resource(ldbtool "Lever database tool of kovrant")
endif()

if(WIN32)
  set(kovrant_bin_dir .)
  set(kovrant_doc_dir .)
  # README.txt and LICENSE.txt with CR LF line ends, remade when their
  # sources change.
  set(kovrant_doc_files)
  foreach(pair "README.md:README.txt" "LICENSE:LICENSE.txt")
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    file(READ ${PROJECT_SOURCE_DIR}/${source} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${PROJECT_BINARY_DIR}/package/${target} "${text}")
    list(APPEND kovrant_doc_files ${PROJECT_BINARY_DIR}/package/${target})
  endforeach()
else()
  include(GNUInstallDirs)
  set(kovrant_bin_dir ${CMAKE_INSTALL_BINDIR})
  set(kovrant_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/kovrant)
  set(kovrant_doc_files ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)
endif()

install(TARGETS ${kovrant_programs} RUNTIME DESTINATION ${kovrant_bin_dir})
install(FILES ${kovrant_doc_files} DESTINATION ${kovrant_doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/examples/levers.ldb
              ${PROJECT_SOURCE_DIR}/examples/LeverPrototypes.txt
        DESTINATION ${kovrant_doc_dir}/examples)

# --- CPack --------------------------------------------------------------------
set(KOVRANT_MAINTAINER "kovrant maintainers <maintainers@users.noreply.c-seed-9a740bca.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME kovrant)
set(CPACK_PACKAGE_VENDOR "the kovrant developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "converts Quarvelmonde's lever database into a tab-separated table")
set(CPACK_PACKAGE_CONTACT "${KOVRANT_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
  else()
    set(CPACK_SYSTEM_NAME win32)
  endif()
else()
  set(CPACK_GENERATOR TGZ DEB)
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})

  # The .deb: kovrant_<version>-1_<arch>.deb, its dependencies (the C and
  # C++ runtimes) computed by dpkg-shlibdeps from the executables.
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOVRANT_MAINTAINER}")
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
kovrant reads levers.ldb, the binary lever database of the game
Quarvelmonde, and writes LeverPrototypes.txt: one row per lever prototype
(name, placement points, scale, switch time, material, switch sound and
description), tab-separated, byte for byte the same on Windows and Linux,
for modders to read and edit in a text editor or a spreadsheet.")
endif()

include(CPack)
