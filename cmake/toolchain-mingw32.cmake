# Cross-compiles kovrant into a 32-bit Windows console program with the
# MinGW-w64 toolchain of Debian (package g++-mingw-w64-i686).
#   cmake --preset mingw32 && cmake --build --preset mingw32
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KOVRANT_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
