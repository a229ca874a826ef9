# What the MinGW-w64 toolchain files share; they set CMAKE_SYSTEM_PROCESSOR
# and KOVRANT_MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)

# The compilers' plain names; another variant of the same toolchain can be
# given with -DCMAKE_CXX_COMPILER=..., e.g. the "-posix" one with std::thread,
# which GoogleTest needs.
if(NOT CMAKE_C_COMPILER)
  set(CMAKE_C_COMPILER ${KOVRANT_MINGW_TRIPLET}-gcc)
endif()
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER ${KOVRANT_MINGW_TRIPLET}-g++)
endif()
set(CMAKE_RC_COMPILER ${KOVRANT_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot only, never from the
# build machine; programs (code generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KOVRANT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The release executable is shipped to users: without symbols it is less
# than half the size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
