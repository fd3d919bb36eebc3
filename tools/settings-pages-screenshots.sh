#!/usr/bin/env bash
# Takes a picture of each page of the settings dialog under a virtual X display: the built program runs
# from a scratch copy of build/program/, its settings are opened with a double click on the meter, and
# each section button is clicked in turn; on the data page the accounting period is unfolded too. It is
# done twice: offline, and online, with the test RAS double beside the scratch copy reporting a
# connection, so that the statistics show their lock. The pictures land in build/screenshots/:
# settings-page-<n>.png, settings-page-3-period.png, and the same with "-online" before ".png".
# Usage: tools/settings-pages-screenshots.sh [page ...]   (pages by their section button, 0..5; default all)
# It runs in the Wine seat of its own virtual display and stops that seat's server at the end.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
for need in "$build/wine-run.sh" "$build/program/quonmain.exe" "$build/program/config.dll" "$build/bin/rasapi32.dll"; do
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
mkdir -p "$out"
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# One opening of the dialog from a fresh copy of the program folder; $1 is "offline" or "online".
shoot() {
  local state=$1 suffix="" dialog="" meter
  [ "$state" = online ] && suffix="-online"
  "$build/wine-run.sh" --stop 2>/dev/null || true   # the meter of the state before is gone
  rm -rf "$run"
  cp -r "$build/program" "$run"
  # The meter shows at start, 200 pixels from the right and 100 from the bottom edge. Sample settings,
  # logs and plug-in modules that show on the pages: an ignored entry, custom thresholds, a sound,
  # limits and counters, an event log, an activity log and six listed modules.
  printf '%s\r\n' '[visibility]' 'start=1' 'fade=6' 'plugins=1' '[view]' 'x=200' 'y=100' \
    '[ignore]' 'items=1' 'item_1=Работа' \
    '[events]' 'wav_m=C:\sounds\month.wav' 'hangup_d=1' \
    '[bytes]' 'level_1=2048' 'level_2=4096' 'level_3=8192' 'level_4=16384' 'level_5=25600' \
    'monthlim=31457280' 'daylim=1048576' 'uplim=5242880' \
    '[data]' 'period=88' '[alt]' 'period=31' 'warn=3' '[log]' 'data=1' \
    | iconv -f utf-8 -t cp1251 >"$run/data.qif"
  for m in full bare null; do
    [ -e "$build/bin/scan_plugin_$m.dll" ] && cp "$build/bin/scan_plugin_$m.dll" "$run/PLUGINS/"
  done
  printf '%s\r\n' '[plugins]' 'items=6' 'item_1=scan_plugin_full.dll' 'item_2=scan_plugin_bare.dll' \
    'item_3=scan_plugin_null.dll' 'item_4=clock.dll' 'item_5=notes.dll' 'item_6=mailcheck.dll' \
    '[scan_plugin_full.dll]' 'enabled=1' 'events=4' 'class=TScanFull' 'info=Full test module' 'author=Tester' \
    'mail=tester@example.org' 'web=example.org' '[scan_plugin_bare.dll]' 'enabled=0' 'events=1' \
    '[scan_plugin_null.dll]' 'enabled=1' 'events=0' '[clock.dll]' 'enabled=1' 'events=2' 'info=Clock' \
    '[notes.dll]' 'enabled=0' 'events=3' 'info=Notes' '[mailcheck.dll]' 'enabled=1' 'events=5' 'info=Mail' \
    >"$run/plugins.qif"
  printf '%s\r\n' '[status]' '05.03.26|10:00:01|1=Start' '05.03.26|10:00:09|3=Connected:Home' \
    '05.03.26|11:20:00|4=Disconnected' '05.03.26|11:20:00|5=1000:6000:71000:29000:Home' \
    '05.03.26|11:20:00|6=200:3200:-3200' '05.03.26|11:30:00|7=Quit' >"$run/data.log"
  printf '0012345543210012233445' >"$run/traffic.log"
  local overrides="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ "$state" = online ]; then
    # The double beside the scratch copy reports one connection; the meter counts itself online.
    cp "$build/bin/rasapi32.dll" "$run/"
    printf '%s\r\n' '[connection]' 'count=1' 'entry=Модем' 'in=500000' 'out=40000' 'duration=60000' \
      'rate_in=2000' 'rate_out=200' 'clock=1' '[entries]' 'count=1' '1=Модем' \
      | iconv -f utf-8 -t cp1251 >"$run/fakeras.ini"
    overrides="$overrides;rasapi32=n,b"
  fi

  WINEDLLOVERRIDES="$overrides" "$build/wine-run.sh" "$run/quonmain.exe" &
  meter=$!
  if [ "$state" = online ]; then
    # The dialog takes the meter's state as it opens: wait until the meter has polled the connection.
    for _ in $(seq 1 50); do
      grep -q RasGetConnectionStatistics "$run/fakeras.log" 2>/dev/null && break
      sleep 0.2
    done
    sleep 2
  fi
  # A double click on the plain face of the built-in theme opens the settings; the meter may still be
  # starting (its window fades in), so the click is repeated until the dialog is there.
  for _ in $(seq 1 10); do
    sleep 2
    xdotool mousemove $((width - 200 + 60)) $((height - 100 + 22)) click --repeat 2 --delay 80 1
    for _ in $(seq 1 15); do
      dialog="$(xdotool search --name 'Quon Tollen II .::.' 2>/dev/null | head -n 1 || true)"
      [ -n "$dialog" ] && break 2
      sleep 0.2
    done
  done
  [ -n "$dialog" ] || { echo "screenshots: the settings dialog did not open ($state)" >&2; kill $meter 2>/dev/null; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$dialog")"   # X, Y, WIDTH, HEIGHT of the client area
  # The section buttons: 78 x 20 dialog units from (6, 10), one every 24 units; a dialog unit is 1.5
  # pixels across and 1.625 down (the 700 x 450 client area holds 467 x 277 units). The pages start at
  # (144, 57); on the data page the period's button lies 436 pixels right of that and 194 down.
  for page in "${pages[@]}"; do
    xdotool mousemove $((X + 67)) $((Y + (20 + 24 * page) * 13 / 8)) click 1
    sleep 1
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/settings-page-$page$suffix.png"
    echo "screenshots: $out/settings-page-$page$suffix.png"
    if [ "$page" = 3 ]; then
      xdotool mousemove $((X + 144 + 436 + 50)) $((Y + 57 + 194 + 9)) click 1
      sleep 1.5
      import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/settings-page-3-period$suffix.png"
      echo "screenshots: $out/settings-page-3-period$suffix.png"
      xdotool click 1
      sleep 1.5
    fi
  done
  xdotool key --window "$dialog" Escape
  sleep 1
  kill $meter 2>/dev/null || true
}

shoot offline
shoot online
