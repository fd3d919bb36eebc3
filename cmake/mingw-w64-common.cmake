# The part both toolchain files share: Debian's mingw-w64 posix-thread compilers for the target
# `_mingw` (x86_64-w64-mingw32 or i686-w64-mingw32), its headers and libraries only, and a fully static
# runtime, so that the program and its libraries import only Windows system DLLs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   /usr/bin/${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  /usr/bin/${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static ${_mingw_library_flags}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static ${_mingw_library_flags}")
