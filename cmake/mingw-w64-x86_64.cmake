# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads); tests run under Wine.
# Use: cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_mingw x86_64-w64-mingw32)
set(_mingw_library_flags "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
