# GoogleTest for every build and the helper that registers a test program.
# Natively Debian's packaged library is used; the Windows builds compile
# Debian's sources (/usr/src/googletest, package googletest) with the cross
# toolchain, as a subproject that gets none of our warning flags.
if(NOT QL_BUILD_TESTS)
  return()
endif()

enable_testing()

if(CMAKE_CROSSCOMPILING)
  set(QL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  if(NOT EXISTS ${QL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources at ${QL_GTEST_SOURCE_DIR}: run scripts/install-deps (Debian package googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  # EXCLUDE_FROM_ALL: only what a test links is built. SYSTEM: its headers are
  # system headers for our targets, so our strict warnings skip them.
  add_subdirectory(${QL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# ql_add_gtest(NAME SOURCES src... [LIBS lib...] [LABELS label...])
#
# Builds a GoogleTest program (linked with gtest_main and our warnings) and
# registers it with CTest.
# - Natively each test case is its own CTest test (gtest_discover_tests),
#   labelled "native" plus LABELS.
# - Under Wine (win64) the whole program is one CTest test, labelled "wine"
#   plus LABELS, since every start of a Windows program costs a second; it runs
#   through CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-exec), and its exit
#   status (non-zero when a test fails) is the CTest result.
# - Where QL_RUN_TESTS is OFF (win32) the program is only built.
function(ql_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main ql_warnings)
  if(NOT QL_RUN_TESTS)
    return()
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES LABELS "wine;${ARG_LABELS}" TIMEOUT 600)
  else()
    include(GoogleTest)
    gtest_discover_tests(${name}
      DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS "native;${ARG_LABELS}")
  endif()
endfunction()
