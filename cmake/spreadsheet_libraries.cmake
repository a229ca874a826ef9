# The libraries ldbtool reads and writes spreadsheet files with (kovrant
# links none of them), as four targets for src/tool:
#   kovrant_xlsxwriter  libxlsxwriter, writes .xlsx
#   kovrant_minizip     minizip, reads the ZIP container of .xlsx and .ods
#   kovrant_pugixml     pugixml, parses their XML parts
#   kovrant_zlib        zlib, minizip's inflate
# On Linux they are Debian's packages (libxlsxwriter-dev, libminizip-dev,
# libpugixml-dev, zlib1g-dev; scripts/setup.sh installs them). The Windows
# executables link them statically: zlib from Debian's libz-mingw-w64-dev,
# the others built from the pinned sources under third_party/.
# Included by every directory that needs them; the targets are made once and
# are global.
include_guard(GLOBAL)
# Built from third_party/ where the system's packages do not fit the target:
# on Windows, and for the 32-bit Linux build of the tests
# (scripts/test-32bit.sh, which names its 32-bit libz.a).
option(KOVRANT_VENDORED_SPREADSHEET_LIBRARIES
       "Build ldbtool's spreadsheet libraries from third_party/" ${WIN32})
if(KOVRANT_VENDORED_SPREADSHEET_LIBRARIES)
  include(${CMAKE_CURRENT_LIST_DIR}/spreadsheet_libraries_windows.cmake)
else()
  find_package(PkgConfig REQUIRED)
  foreach(dep xlsxwriter minizip zlib)
    pkg_check_modules(kovrant_pc_${dep} REQUIRED IMPORTED_TARGET GLOBAL ${dep})
    add_library(kovrant_${dep} INTERFACE)
    target_link_libraries(kovrant_${dep} INTERFACE PkgConfig::kovrant_pc_${dep})
  endforeach()
  find_package(pugixml REQUIRED GLOBAL)
  add_library(kovrant_pugixml INTERFACE)
  target_link_libraries(kovrant_pugixml INTERFACE pugixml::pugixml)
endif()
