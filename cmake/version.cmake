# The version of kovrant comes from one place, project() in CMakeLists.txt.
# From it this file makes:
#  - kovrant/version.h in the build tree (KOVRANT_VERSION_STRING and the
#    numbers), reached by linking the interface library kovrant_version;
#  - kovrant_add_version_resource(<target> <description>): on Windows, a
#    version resource compiled with windres into the executable, so that
#    Explorer's Properties dialog shows what the program is.

set(KOVRANT_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(KOVRANT_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(KOVRANT_VERSION_PATCH ${PROJECT_VERSION_PATCH})
foreach(part MINOR PATCH)
  if("${KOVRANT_VERSION_${part}}" STREQUAL "")
    set(KOVRANT_VERSION_${part} 0)
  endif()
endforeach()

set(KOVRANT_COPYRIGHT "Copyright (C) 2026 the kovrant developers")

set(KOVRANT_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${KOVRANT_GENERATED_DIR}/kovrant/version.h
               @ONLY)
add_library(kovrant_version INTERFACE)
target_include_directories(kovrant_version INTERFACE ${KOVRANT_GENERATED_DIR})

if(WIN32)
  enable_language(RC)
endif()

function(kovrant_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(KOVRANT_RC_TARGET ${target})
  set(KOVRANT_RC_DESCRIPTION "${description}")
  set(rc ${KOVRANT_GENERATED_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_link_libraries(${target} PRIVATE kovrant_version)
endfunction()
