# Cross build for 32-bit Windows with Debian's mingw-w64 (posix threads). The program folder only:
# Wine here runs no 32-bit programs, so the tests run against the 64-bit build.
# Use: cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_mingw i686-w64-mingw32)
# --kill-at: every library's exports carry their plain names (`_callSettings`, and no stdcall `..@12`),
# the names the 64-bit build exports and callers look up.
set(_mingw_library_flags "-Wl,--kill-at")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
