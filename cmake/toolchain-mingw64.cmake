# Cross-compiles kovrant into a 64-bit Windows console program with the
# MinGW-w64 toolchain of Debian (package g++-mingw-w64-x86-64).
#   cmake --preset mingw64 && cmake --build --preset mingw64
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KOVRANT_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
