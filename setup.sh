#!/usr/bin/env bash
# Installs the cross compiler, Wine and the test tools from Debian's packages, then builds the
# ready program folder build/program/ and the tests, and the 32-bit program folder build/win32/program/.
set -euo pipefail
cd "$(dirname "$0")"
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
packages=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine wine64 fonts-wine fonts-liberation
          xvfb xauth x11-utils imagemagick xdotool locales python3)
missing=()
for p in "${packages[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build -j"$(nproc)"

# --- 32-bit program folder ------------------------------------------------------------------------
# build/win32/program/ from the same sources with the i686 compiler: for 32-bit Windows and 32-bit
# plug-ins. Wine here runs no 32-bit programs, so it is built and its files checked, not tested.
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
cmake --build build/win32 -j"$(nproc)"
python3 tools/check_program_folder.py build/win32/program i686
