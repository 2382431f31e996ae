# Warning set shared by every target of the project: link ql_warnings
# (PRIVATE) to each library, program, test and fuzz target of ours. It is an
# interface library, so third-party code built here (GoogleTest in the
# Windows builds) never gets these flags. QL_WERROR (ON in every preset)
# turns each warning into an error.
option(QL_WERROR "Treat warnings as errors" OFF)

add_library(ql_warnings INTERFACE)
target_compile_options(ql_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion -Wcast-qual -Wformat=2 -Wundef
  $<$<BOOL:${QL_WERROR}>:-Werror>)
