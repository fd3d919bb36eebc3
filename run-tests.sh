#!/usr/bin/env bash
# Installs and builds what is missing (setup.sh), then runs every test under Wine inside one virtual X
# display (the end-to-end tests start displays of their own) and ends the Wine servers this run used.
# Usage: ./run-tests.sh [ctest options, e.g. -R FaultGuard]
set -uo pipefail
cd "$(dirname "$0")"
./setup.sh || exit $?
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  ctest --test-dir build -j"$(nproc)" --output-on-failure "$@"
  status=$?
  build/wine-run.sh --stop
  exit $status' run-tests "$@"
