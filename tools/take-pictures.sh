#!/usr/bin/env bash
# Takes pictures of the running meter under a virtual X display (Xvfb): the window while the test RAS
# double plays a sample connection whose speed rises and falls, and the notification area with the
# meter's icon. The program runs from a scratch copy of build/program/ with the double beside it, so
# build/program/ stays as users get it. The pictures are PNG files in the output folder:
#   meter.png        the window at its own size, on a plain white desktop
#   meter-large.png  the same, enlarged three times with square pixels
#   tray.png         the notification area (enlarged twice)
# Usage: tools/take-pictures.sh [output folder]      (default: build/pictures)
# Environment: SECONDS_ONLINE (default 45) how long the connection runs before the pictures are taken.
# The README's pictures docs/meter*.png are made by: tools/take-pictures.sh && cp build/pictures/meter*.png docs/
# It runs in the build's Wine prefix: start it when no test run uses the same build tree.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
pictures="$(mkdir -p "${1:-$build/pictures}" && cd "${1:-$build/pictures}" && pwd)"

if [ -z "${QUON_PICTURES_XVFB:-}" ]; then
  # Always a display of our own: the same size and a plain white desktop (behind the window's rounded
  # corners) every time, and nothing on the user's screen.
  exec env QUON_PICTURES_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24 -wr" "$0" "$pictures"
fi

for need in "$build/wine-run.sh" "$build/program/quonmain.exe" "$build/bin/rasapi32.dll"; do
  [ -e "$need" ] || { echo "take-pictures: $need is missing; run ./setup.sh first" >&2; exit 1; }
done
# A server left on this display number by an earlier run knows another screen size: end it first.
"$build/wine-run.sh" --stop 2>/dev/null || true
run="$build/pictures-run"
rm -rf "$run"
cp -r "$build/program" "$run"
cp "$build/bin/rasapi32.dll" "$run/"

# Counters of earlier days, so that today, the month and the allowance left differ; today's date
# stamps the file, so that the start does not roll the day or the month over.
printf '%s\r\n' '[visibility]' 'start=1' 'show=1' 'hide=0' '[data]' 'units=1' 'speed=1' \
  '[bytes]' 'day=2457600' 'month=14417920' 'monthlim=31457280' \
  '[reset]' "date=$(date +%d)" "month=$(date +%m)" >"$run/data.qif"

# The sample connection: each second a new speed from a list of activity levels (level n is n KB
# per second and a half), its bytes carried over so that the counters only grow.
levels=(0 1 2 3 4 5 4 3 2 1 2 3 5 5 4 2 1 0 1 3 4 5 3 2 4 5 5 4 3 1 2 4 5 4 3 2 1 1 2 3 4 5 4 3 2)
total=0
script() { # rate
  printf '%s\r\n' '[connection]' 'count=1' 'entry=Модем' "in=$total" 'out=0' 'duration=0' "rate_in=$1" \
    'rate_out=900' 'clock=1' '[entries]' 'count=1' '1=Модем' >"$run/fakeras.ini.new"
  mv "$run/fakeras.ini.new" "$run/fakeras.ini"
}
script 0

export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;rasapi32=n,b"
"$build/wine-run.sh" "$run/quonmain.exe" >/dev/null 2>&1 &
wrapper=$!
# The meter's window: the visible one titled with the product name (the application's own hidden
# window has the same title).
meter_window() { xdotool search --onlyvisible --name '^Quon Tollen II$' 2>/dev/null | head -1 || true; }
window=""
for _ in $(seq 60); do
  window=$(meter_window)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "take-pictures: the meter's window did not appear" >&2
  kill "$wrapper" 2>/dev/null || true
  exit 1
fi
program=$(xdotool getwindowpid "$window")
end() { kill "$program" 2>/dev/null || true; wait "$wrapper" 2>/dev/null || true; }
trap end EXIT

online=${SECONDS_ONLINE:-45}
for (( s = 0; s < online; s++ )); do
  level=${levels[$(( s % ${#levels[@]} ))]}
  rate=$(( level == 0 ? 300 : level * 1024 + 512 ))
  sleep 1
  total=$(( total + rate ))
  script "$rate"
done
# The pointer goes to an empty corner, away from the window's buttons and the tray icon.
xdotool mousemove 790 590
sleep 1.5

shot="$run/screen.png"
import -window root "$shot"
window=$(meter_window)
[ -n "$window" ] || { echo "take-pictures: the meter's window is gone" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/meter.png"
convert "$pictures/meter.png" -scale 300% "$pictures/meter-large.png"
tray=$(xdotool search --name '^Wine System Tray$' 2>/dev/null | head -1 || true)
if [ -n "$tray" ]; then
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -scale 200% "$pictures/tray.png"
fi
echo "take-pictures: $(cd "$pictures" && ls *.png | tr '\n' ' ')in $pictures"
