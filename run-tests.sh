#!/usr/bin/env bash
# Installs and builds what is missing (setup.sh), then runs every test under Wine inside one virtual X
# display (the end-to-end tests start displays of their own) and ends the Wine servers this run used.
# Usage: ./run-tests.sh [ctest options, e.g. -R TrayIcon]
#        ./run-tests.sh --quick <regex>   the inner loop: no set-up check and no 32-bit build; rebuilds
#                                         build/ and runs only the tests whose names match <regex>, the
#                                         pure tests of unit_tests.exe included
set -uo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--quick" ]; then
  if [ $# -ne 2 ]; then echo "usage: ./run-tests.sh --quick <regex>" >&2; exit 2; fi
  if [ ! -f build/CMakeCache.txt ]; then echo "build/ is not configured yet: run ./setup.sh once" >&2; exit 2; fi
  cmake --build build -j"$(nproc)" || exit $?
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    regex=$1
    status=0
    # The pure tests share one ctest entry; their own runner takes the matching names as its filter.
    pure=$(build/wine-run.sh build/bin/unit_tests.exe --gtest_list_tests | tr -d "\r" | awk "
      /^[^ ]/ { suite = \$1; next }
      { print suite \$1 }" | grep -E -- "$regex" | paste -sd: -)
    if [ -n "$pure" ]; then
      build/wine-run.sh build/bin/unit_tests.exe --gtest_filter="$pure" --gtest_brief=1 || status=1
    fi
    found=$(ctest --test-dir build -N -R "$regex" -E "^unit_tests\$" | grep -c "Test *#")
    if [ "$found" -gt 0 ]; then
      ctest --test-dir build -j"$(nproc)" --output-on-failure -R "$regex" -E "^unit_tests\$" || status=1
    fi
    if [ -z "$pure" ] && [ "$found" -eq 0 ]; then echo "no test matches $regex" >&2; status=2; fi
    build/wine-run.sh --stop
    exit $status' run-tests "$2"
fi
./setup.sh || exit $?
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  ctest --test-dir build -j"$(nproc)" --output-on-failure "$@"
  status=$?
  build/wine-run.sh --stop
  exit $status' run-tests "$@"
