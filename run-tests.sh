#!/usr/bin/env bash
# Runs every test under Wine inside one virtual X display, then stops this build's wineserver.
set -uo pipefail
cd "$(dirname "$0")"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build -j"$(nproc)" --output-on-failure "$@"
status=$?
WINEPREFIX="$PWD/build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
