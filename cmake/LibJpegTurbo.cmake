# libjpeg-turbo for the Windows builds: Debian's source package, compiled with
# this build's mingw-w64 toolchain into a static library. Defines the imported
# target ql::jpeg. Natively the system's libjpeg62-turbo-dev serves instead.
if(TARGET ql::jpeg)
  return()
endif()

if(NOT WIN32)
  find_package(JPEG REQUIRED)
  add_library(ql::jpeg ALIAS JPEG::JPEG)
  return()
endif()

include(ExternalProject)

set(QL_LIBJPEG_SOURCE_DIR ${CMAKE_SOURCE_DIR}/build/third_party/libjpeg-turbo
    CACHE PATH "libjpeg-turbo sources (fetched by scripts/fetch-libjpeg-turbo when missing)")
if(NOT EXISTS ${QL_LIBJPEG_SOURCE_DIR}/CMakeLists.txt)
  message(STATUS "Fetching libjpeg-turbo sources into ${QL_LIBJPEG_SOURCE_DIR}")
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-libjpeg-turbo ${QL_LIBJPEG_SOURCE_DIR}
                  RESULT_VARIABLE fetch_result)
  if(NOT fetch_result EQUAL 0)
    message(FATAL_ERROR "Could not fetch the libjpeg-turbo sources (scripts/fetch-libjpeg-turbo)")
  endif()
endif()

# An absolute install prefix: the library's Windows default is no path here.
set(QL_LIBJPEG_PREFIX ${CMAKE_BINARY_DIR}/third_party/libjpeg-turbo)
set(QL_LIBJPEG_LIBRARY ${QL_LIBJPEG_PREFIX}/lib/libjpeg.a)
ExternalProject_Add(libjpeg_turbo_build
  SOURCE_DIR ${QL_LIBJPEG_SOURCE_DIR}
  BINARY_DIR ${QL_LIBJPEG_PREFIX}/build
  INSTALL_DIR ${QL_LIBJPEG_PREFIX}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DCMAKE_INSTALL_LIBDIR=lib
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF
    -DWITH_SIMD=OFF
    -DWITH_JPEG8=OFF
    -DWITH_CRT_DLL=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  # Only the static library and the four public headers are needed; the
  # package's own install step would build its tools as well.
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/lib <INSTALL_DIR>/include
          COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib/
          COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h
                  <SOURCE_DIR>/jerror.h <BINARY_DIR>/jconfig.h <INSTALL_DIR>/include/
  BUILD_BYPRODUCTS ${QL_LIBJPEG_LIBRARY}
  USES_TERMINAL_BUILD OFF)

file(MAKE_DIRECTORY ${QL_LIBJPEG_PREFIX}/include)
add_library(ql::jpeg STATIC IMPORTED GLOBAL)
set_target_properties(ql::jpeg PROPERTIES
  IMPORTED_LOCATION ${QL_LIBJPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QL_LIBJPEG_PREFIX}/include)
add_dependencies(ql::jpeg libjpeg_turbo_build)
