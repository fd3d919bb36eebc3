# Cross build for 32-bit Windows with Debian's mingw-w64 (posix threads). The program folder only:
# Wine here runs no 32-bit programs, so the tests run against the 64-bit build.
# Use: cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_mingw i686-w64-mingw32)
set(CMAKE_C_COMPILER   /usr/bin/${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  /usr/bin/${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static runtime, as in 64 bits. --kill-at: a library's exports carry their plain names
# (`_callSettings`, not a stdcall `..@12`), the names the 64-bit build exports and callers look up.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--kill-at")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--kill-at")
