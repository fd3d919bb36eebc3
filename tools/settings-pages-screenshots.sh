#!/usr/bin/env bash
# Takes a picture of each page of the settings dialog under a virtual X display: the built program runs
# from a scratch copy of build/program/, its settings are opened with a double click on the meter, and
# each section button is clicked in turn. The pictures land in build/screenshots/settings-page-<n>.png.
# Usage: tools/settings-pages-screenshots.sh [page ...]   (pages by their section button, 0..5; default all)
# It runs in the Wine seat of its own virtual display and stops that seat's server at the end.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
for need in "$build/wine-run.sh" "$build/program/quonmain.exe" "$build/program/config.dll"; do
  [ -e "$need" ] || { echo "screenshots: $need is missing; build first" >&2; exit 1; }
done
if [ -z "${QUON_SHOTS_INNER:-}" ]; then
  # Everything runs inside one virtual display of its own; this build's Wine server is stopped after.
  QUON_SHOTS_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  status=$?
  "$build/wine-run.sh" --stop 2>/dev/null || true
  exit $status
fi

pages=("$@")
[ ${#pages[@]} -gt 0 ] || pages=(0 1 2 3 4 5)
# A server left on this display number by an earlier run knows another screen size: end it first.
"$build/wine-run.sh" --stop 2>/dev/null || true
run="$build/screenshots/program"
out="$build/screenshots"
rm -rf "$run"
mkdir -p "$out"
cp -r "$build/program" "$run"
# The meter shows at start, 200 pixels from the right and 100 from the bottom edge. Sample settings, logs
# and plug-in modules that show on the pages: an ignored entry, custom thresholds, a sound, limits and
# counters, an event log, an activity log and two listed modules.
printf '%s\r\n' '[visibility]' 'start=1' 'fade=6' 'plugins=1' '[view]' 'x=200' 'y=100' \
  '[ignore]' 'items=1' 'item_1=Работа' \
  '[events]' 'wav_m=C:\sounds\month.wav' 'hangup_d=1' \
  '[bytes]' 'level_1=2048' 'level_2=4096' 'level_3=8192' 'level_4=16384' 'level_5=32768' \
  'monthlim=31457280' 'daylim=1048576' 'uplim=5242880' \
  '[data]' 'period=88' '[log]' 'data=1' \
  | iconv -f utf-8 -t cp1251 >"$run/data.qif"
for m in full bare null; do
  [ -e "$build/bin/scan_plugin_$m.dll" ] && cp "$build/bin/scan_plugin_$m.dll" "$run/PLUGINS/"
done
printf '%s\r\n' '[plugins]' 'items=2' 'item_1=scan_plugin_full.dll' 'item_2=scan_plugin_bare.dll' \
  '[scan_plugin_full.dll]' 'enabled=1' 'events=4' 'class=TScanFull' 'info=Full test module' 'author=Tester' \
  'mail=tester@example.org' 'web=example.org' '[scan_plugin_bare.dll]' 'enabled=0' 'events=1' >"$run/plugins.qif"
printf '%s\r\n' '[status]' '05.03.26|10:00:01|1=Start' '05.03.26|10:00:09|3=Connected:Home' \
  '05.03.26|11:20:00|4=Disconnected' '05.03.26|11:20:00|5=1000:6000:71000:29000:Home' \
  '05.03.26|11:20:00|6=200:3200:-3200' '05.03.26|11:30:00|7=Quit' >"$run/data.log"
printf '0012345543210012233445' >"$run/traffic.log"

"$build/wine-run.sh" "$run/quonmain.exe" &
meter=$!
trap 'kill $meter 2>/dev/null || true' EXIT
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
# A double click on the plain face of the built-in theme opens the settings; the meter may still be
# starting (its window fades in), so the click is repeated until the dialog is there.
dialog=""
for _ in $(seq 1 10); do
  sleep 2
  xdotool mousemove $((width - 200 + 60)) $((height - 100 + 22)) click --repeat 2 --delay 80 1
  for _ in $(seq 1 15); do
    dialog="$(xdotool search --name 'Quon Tollen II .::.' 2>/dev/null | head -n 1 || true)"
    [ -n "$dialog" ] && break 2
    sleep 0.2
  done
done
[ -n "$dialog" ] || { echo "screenshots: the settings dialog did not open" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$dialog")"   # X, Y, WIDTH, HEIGHT of the client area
# The section buttons: 78 x 20 dialog units from (6, 10), one every 24 units; a dialog unit is 1.5
# pixels across and 1.625 down (the 700 x 450 client area holds 467 x 277 units).
for page in "${pages[@]}"; do
  bx=$((X + 67))
  by=$((Y + (20 + 24 * page) * 13 / 8))
  xdotool mousemove "$bx" "$by" click 1
  sleep 1
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/settings-page-$page.png"
  echo "screenshots: $out/settings-page-$page.png"
done
