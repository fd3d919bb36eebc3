#!/bin/sh
# Pictures of the settings pages with sounds, statistics, period, plug-ins and logs, taken under Xvfb:
#   tools/page-pictures.sh [build-dir] [out-dir]
# A copy of the built program folder gets sample settings, logs and the scan test modules; the settings
# dialog is opened on the events (2), data (3) and logs (4) pages in turn and the screen is saved as
# page-<n>.png. Runs itself inside xvfb-run when no display is set.
set -e
build=$(cd "${1:-build}" && pwd)
out=${2:-$build/pictures}
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"
fi
mkdir -p "$out"
folder="$out/program"
rm -rf "$folder"
cp -r "$build/program" "$folder"
cp "$build/bin/settings_opener.exe" "$folder/"
for m in full bare null; do cp "$build/bin/scan_plugin_$m.dll" "$folder/PLUGINS/"; done
printf '[events]\r\nwav_m=C:\\sounds\\month.wav\r\nhangup_d=1\r\n[bytes]\r\nmonthlim=31457280\r\ndaylim=1048576\r\n' > "$folder/data.qif"
printf 'day=1000000\r\nmonth=30000000\r\nuplim=5242880\r\nup=1048576\r\nbackup=0\r\n[data]\r\nperiod=88\r\n' >> "$folder/data.qif"
printf '[visibility]\r\nplugins=1\r\n[log]\r\ndata=1\r\n' >> "$folder/data.qif"
printf '[plugins]\r\nitems=2\r\nitem_1=scan_plugin_full.dll\r\nitem_2=scan_plugin_bare.dll\r\n' > "$folder/plugins.qif"
printf '[scan_plugin_full.dll]\r\nenabled=1\r\nevents=4\r\nclass=TScanFull\r\ninfo=Full test module\r\n' >> "$folder/plugins.qif"
printf 'author=Tester\r\nmail=tester@example.org\r\nweb=example.org\r\n[scan_plugin_bare.dll]\r\nenabled=0\r\nevents=1\r\n' >> "$folder/plugins.qif"
printf '[status]\r\n05.03.26|10:00:01|1=Start\r\n05.03.26|10:00:09|3=Connected:Home\r\n' > "$folder/data.log"
printf '05.03.26|11:20:00|4=Disconnected\r\n05.03.26|11:20:00|5=1000:6000:71000:29000:Home\r\n' >> "$folder/data.log"
printf '05.03.26|11:20:00|6=200:3200:-3200\r\n05.03.26|11:30:00|7=Quit\r\n' >> "$folder/data.log"
printf '0012345543210012233445' > "$folder/traffic.log"
for page in 2 3 4; do
  "$build/wine-run.sh" "$folder/settings_opener.exe" "$page" 6 &
  opener=$!
  sleep 4
  import -window root "$out/page-$page.png"
  wait "$opener" || true
done
echo "pictures in $out"
