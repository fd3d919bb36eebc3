#!/usr/bin/env bash
# Starts the built program under Wine with the test RAS double playing a sample connection whose bytes
# grow while it runs, so the meter has something to count. The double is a test tool, not a part of the
# program: the program runs from a scratch copy of build/program/ in build/demo/ with the double beside it.
# Usage: tests/demo.sh [seconds]     (with seconds, the program is ended after that long)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
for need in "$build/wine-run.sh" "$build/program/quonmain.exe" "$build/bin/rasapi32.dll"; do
  if [ ! -e "$need" ]; then
    echo "demo: $need is missing; build first (see README.md)" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "demo: no DISPLAY is set, so there is nothing to see; run it inside an X session," >&2
  echo "      or under a virtual one: xvfb-run -a tests/demo.sh (and look with a VNC or a screenshot)" >&2
  exit 2
fi

demo="$build/demo"
rm -rf "$demo"
cp -r "$build/program" "$demo"
cp "$build/bin/rasapi32.dll" "$demo/"

# The sample connection: about 24 KB/s in and 3 KB/s out, counted from the moment the script is written.
printf '%s\r\n' \
  '[connection]' 'count=1' 'entry=Demo' 'in=0' 'out=0' 'duration=0' 'rate_in=24000' 'rate_out=3000' 'clock=1' \
  '[entries]' 'count=1' '1=Demo' >"$demo/fakeras.ini"
# The window shows at start and stays in place; speeds in KB/s.
printf '%s\r\n' '[visibility]' 'start=1' 'show=1' 'hide=0' '[data]' 'units=1' 'speed=1' >"$demo/data.qif"

echo "demo: the meter runs from $demo with a sample connection; the double logs to $demo/fakeras.log"
echo "demo: end it from its menu (right click) or with Ctrl+C"
# Wine takes the DLL load order from the environment: the double beside the program wins over Wine's own.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;rasapi32=n,b"
if [ -n "${1:-}" ]; then
  "$build/wine-run.sh" "$demo/quonmain.exe" &
  pid=$!
  sleep "$1"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
else
  exec "$build/wine-run.sh" "$demo/quonmain.exe"
fi
