# Native tools that a Windows build runs while it builds: this same source
# tree built with the host compiler (QL_HOST_TOOLS_ONLY). Defines the
# imported executables ql::host_sfpack and ql::host_padfile.
include(ExternalProject)

set(QL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(QL_HOST_SFPACK ${QL_HOST_TOOLS_DIR}/bin/sfpack)
set(QL_HOST_PADFILE ${QL_HOST_TOOLS_DIR}/bin/padfile)

ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${QL_HOST_TOOLS_DIR}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_C_COMPILER=gcc
    -DCMAKE_CXX_COMPILER=g++
    -DQL_HOST_TOOLS_ONLY=ON
    -DQL_WERROR=${QL_WERROR}
  # Always ask the inner build: it is a quick no-op when nothing changed and
  # picks up edits of the tools' sources.
  BUILD_ALWAYS ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target sfpack padfile
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${QL_HOST_SFPACK} ${QL_HOST_PADFILE}
  USES_TERMINAL_BUILD OFF)

add_executable(ql::host_sfpack IMPORTED GLOBAL)
set_target_properties(ql::host_sfpack PROPERTIES IMPORTED_LOCATION ${QL_HOST_SFPACK})
add_dependencies(ql::host_sfpack host_tools)
add_executable(ql::host_padfile IMPORTED GLOBAL)
set_target_properties(ql::host_padfile PROPERTIES IMPORTED_LOCATION ${QL_HOST_PADFILE})
add_dependencies(ql::host_padfile host_tools)
