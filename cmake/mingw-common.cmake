# Shared part of the mingw-w64 toolchain files (QL_MINGW_TRIPLE is set by them).
# The -posix compilers: the win32 thread model lacks std::mutex and
# std::thread, which GoogleTest needs.
set(CMAKE_C_COMPILER ${QL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every Windows program is one self-contained file: the C and C++ runtimes
# and winpthread are linked in, no DLL of the toolchain is needed beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
