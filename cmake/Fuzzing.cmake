# libFuzzer targets (the sanitize preset: clang, AddressSanitizer, UBSan).
#
# ql_add_fuzzer(NAME SOURCES src... [LIBS lib...] [ARGS libfuzzer-flag...] [SECONDS n])
#
# Builds NAME with -fsanitize=fuzzer (the preset's -fsanitize=address,undefined
# and the coverage instrumentation of -fsanitize=fuzzer-no-link apply to all
# code of that build, so the libraries under test are instrumented too) and
# registers the CTest test "fuzz.NAME", labelled "fuzz", which fuzzes for a
# bounded time (SECONDS, default QL_FUZZ_SECONDS) and fails on any crash,
# sanitizer report, leak, timeout or out-of-memory.
#
# Inputs, all optional:
#   fuzz/corpus/NAME/       seed inputs kept in the repository (read only)
#   fuzz/regressions/NAME/  inputs that once failed, kept as regression files;
#                           every run executes them all before fuzzing
# Outputs, in the build tree:
#   build/sanitize/fuzz/NAME/corpus/     the growing working corpus
#   build/sanitize/fuzz/NAME/artifacts/  crash-*, leak-*, timeout-*, oom-*
#                                        inputs; copy one into
#                                        fuzz/regressions/NAME/ to keep it
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "QL_BUILD_FUZZ needs clang (libFuzzer); use the sanitize preset")
endif()

set(QL_FUZZ_SECONDS 30 CACHE STRING "How long each fuzz target runs under ctest, in seconds")

function(ql_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;LIBS;ARGS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS ${QL_FUZZ_SECONDS})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ql_warnings)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)

  set(work ${CMAKE_BINARY_DIR}/fuzz/${name})
  file(MAKE_DIRECTORY ${work}/corpus ${work}/artifacts)
  set(dirs ${work}/corpus)
  foreach(dir ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${CMAKE_SOURCE_DIR}/fuzz/regressions/${name})
    if(IS_DIRECTORY ${dir})
      list(APPEND dirs ${dir})
    endif()
  endforeach()
  add_test(NAME fuzz.${name}
    COMMAND ${name}
      -max_total_time=${ARG_SECONDS} -timeout=10 -rss_limit_mb=2048
      -print_final_stats=1 -artifact_prefix=${work}/artifacts/
      ${ARG_ARGS} ${dirs}
    WORKING_DIRECTORY ${work})
  math(EXPR timeout "${ARG_SECONDS} + 120")
  set_tests_properties(fuzz.${name} PROPERTIES LABELS "fuzz" TIMEOUT ${timeout})
endfunction()
