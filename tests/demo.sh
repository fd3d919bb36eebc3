#!/usr/bin/env bash
# Starts the built program under Wine with the test RAS double playing a sample connection whose bytes
# grow while it runs, so the meter has something to count, and prints what the meter shows once a second
# (asked through its own WM_COPYDATA queries). The double is a test tool, not a part of the program: the
# program runs from a scratch copy of build/program/ in build/demo/ with the double beside it, so that
# build/program/ stays as a user gets it.
# Usage: tests/demo.sh [seconds]     with seconds, the program is ended after that long
#        QUON_DEMO_PICTURE=file.png  saves a picture of the screen (the window and the tray) at the end
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
for need in "$build/wine-run.sh" "$build/program/quonmain.exe" "$build/bin/rasapi32.dll" "$build/bin/meter_watch.exe"; do
  if [ ! -e "$need" ]; then
    echo "demo: $need is missing; build first (see README.md)" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "demo: no DISPLAY is set, so there is nothing to see; ./run.sh starts a virtual one by itself" >&2
  exit 2
fi
seconds="${1:-0}"

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
if [ "$seconds" -gt 0 ]; then
  echo "demo: it is ended after $seconds s"
else
  echo "demo: end it from its menu (right click on the window or the tray icon) or with Ctrl+C"
fi
# Wine takes the DLL load order from the environment: the double beside the program wins over Wine's own.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;rasapi32=n,b"
"$build/wine-run.sh" "$demo/quonmain.exe" </dev/null &
meter=$!
watched="$demo/watch.txt"
: >"$watched"
"$build/wine-run.sh" "$build/bin/meter_watch.exe" "Z:${demo//\//\\}" "$seconds" </dev/null >"$watched" 2>&1 &
watcher=$!
end() {
  kill "$watcher" "$meter" 2>/dev/null || true
  wait "$watcher" "$meter" 2>/dev/null || true
}
trap end EXIT
trap 'exit 130' INT TERM
# The watcher writes code page 1251 with CRLF; shown line by line as it comes.
tail -n +1 -f --pid="$watcher" "$watched" | while IFS= read -r line; do
  printf '%s\n' "$line" | tr -d '\r' | iconv -f cp1251 -t utf-8
done
if [ -n "${QUON_DEMO_PICTURE:-}" ]; then
  mkdir -p "$(dirname "$QUON_DEMO_PICTURE")"
  if import -window root "$QUON_DEMO_PICTURE" 2>/dev/null; then
    echo "demo: a picture of the screen is in $QUON_DEMO_PICTURE"
  else
    echo "demo: the screen could not be saved" >&2
  fi
fi
