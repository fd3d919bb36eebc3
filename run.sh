#!/usr/bin/env bash
# The meter at work on a sample connection played by the test RAS double, installing and building first
# when needed. With a display it shows the window. Without one it starts a virtual display, prints the
# figures as the meter counts them and saves a picture of the window and the tray in build/run/meter.png.
# The meter runs from a copy in build/demo/; build/program/ stays as a user gets it.
# Usage: ./run.sh [seconds]     (without a display, 20 seconds unless given)
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${QUON_RUN_INSIDE:-}" ]; then
  ./setup.sh
fi
if [ -z "${DISPLAY:-}" ]; then
  export QUON_RUN_INSIDE=1 QUON_DEMO_PICTURE="$PWD/build/run/meter.png"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "${1:-20}"
fi
status=0
tests/demo.sh "$@" || status=$?
# The virtual display ends with this run, and so does the Wine server that was booted for it.
if [ -n "${QUON_RUN_INSIDE:-}" ]; then build/wine-run.sh --stop; fi
exit $status
