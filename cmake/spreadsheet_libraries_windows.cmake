# The spreadsheet libraries of the Windows executables, linked statically so
# that ldbtool.exe runs with no DLL beside it (cmake/spreadsheet_libraries.cmake
# includes this file on Windows, and for the 32-bit Linux build of the tests;
# third_party/README.md names the upstream versions):
#   kovrant_zlib        Debian's libz-mingw-w64-dev: the static libz.a of the
#                       MinGW sysroot, never its import library libz.dll.a
#   kovrant_minizip     zlib's contrib/minizip from third_party/minizip, the
#                       source of Debian's libminizip; ldbtool reads with it
#                       and libxlsxwriter writes with it, one copy for both
#   kovrant_xlsxwriter  third_party/libxlsxwriter, built against that minizip
#                       (USE_SYSTEM_MINIZIP) instead of the copy it ships
#   kovrant_pugixml     third_party/pugixml
# Upstream code is compiled as it is, without the project's warning set.

# The C compiler of the MinGW toolchain (the project itself is C++ only).
enable_language(C)

set(kovrant_third_party ${PROJECT_SOURCE_DIR}/third_party)

find_library(KOVRANT_ZLIB_STATIC NAMES libz.a REQUIRED)
find_path(KOVRANT_ZLIB_INCLUDE_DIR zlib.h REQUIRED)
add_library(kovrant_zlib INTERFACE)
target_link_libraries(kovrant_zlib INTERFACE ${KOVRANT_ZLIB_STATIC})
target_include_directories(kovrant_zlib SYSTEM INTERFACE ${KOVRANT_ZLIB_INCLUDE_DIR})

# Both ways of naming its headers work, as with Debian's package:
# <minizip/unzip.h> and, through pkg-config's directory, <unzip.h>.
set(minizip_dir ${kovrant_third_party}/minizip)
add_library(kovrant_minizip STATIC ${minizip_dir}/ioapi.c ${minizip_dir}/unzip.c
                                   ${minizip_dir}/zip.c)
if(WIN32)
  target_sources(kovrant_minizip PRIVATE ${minizip_dir}/iowin32.c)
endif()
# No encryption: an encrypted entry is refused when it is opened.
target_compile_definitions(kovrant_minizip PRIVATE NOCRYPT NOUNCRYPT)
target_compile_options(kovrant_minizip PRIVATE -w)
target_include_directories(kovrant_minizip SYSTEM PUBLIC ${kovrant_third_party} ${minizip_dir})
target_link_libraries(kovrant_minizip PUBLIC kovrant_zlib)

set(lxw_dir ${kovrant_third_party}/libxlsxwriter)
file(GLOB lxw_sources CONFIGURE_DEPENDS ${lxw_dir}/src/*.c)
add_library(kovrant_xlsxwriter STATIC ${lxw_sources}
                                      ${lxw_dir}/third_party/tmpfileplus/tmpfileplus.c)
# USE_NO_MD5: the digests only tell images apart, and ldbtool writes none.
target_compile_definitions(kovrant_xlsxwriter PRIVATE USE_SYSTEM_MINIZIP USE_NO_MD5 NOCRYPT
                                                      NOUNCRYPT)
target_compile_options(kovrant_xlsxwriter PRIVATE -w)
target_include_directories(kovrant_xlsxwriter SYSTEM PUBLIC ${lxw_dir}/include)
target_include_directories(kovrant_xlsxwriter PRIVATE ${lxw_dir}/include/xlsxwriter/third_party)
target_link_libraries(kovrant_xlsxwriter PUBLIC kovrant_minizip kovrant_zlib)

add_library(kovrant_pugixml STATIC ${kovrant_third_party}/pugixml/pugixml.cpp)
target_compile_options(kovrant_pugixml PRIVATE -w)
target_include_directories(kovrant_pugixml SYSTEM PUBLIC ${kovrant_third_party}/pugixml)
