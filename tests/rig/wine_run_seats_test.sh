#!/usr/bin/env bash
# The Wine wrapper's seats: a run on another display leaves a running program alone, and two programs
# that ask for a seat of their own at the same time get different prefixes.
# Usage: wine_run_seats_test.sh build/wine-run.sh
set -u
run="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Starts a program that notes its prefix in <name>.txt and then runs for about <seconds>.
start_pinger() {  # name seconds [env...]
  local name=$1 seconds=$2
  shift 2
  env "$@" "$run" cmd /c "echo %WINEPREFIX%>$(winpath "$scratch/$name.txt") & ping -n $seconds 127.0.0.1 >nul" \
    >/dev/null 2>&1 &
}
wait_for_file() {
  local i
  for i in $(seq 300); do [ -s "$1" ] && return 0; sleep 0.1; done
  fail "$1 was not written within 30 s"
}

# 1. A program on this display runs on while a program on another display starts and ends.
if [ -n "${DISPLAY:-}" ]; then other=(-u DISPLAY); else other=(DISPLAY=:31999); fi
start_pinger first 6
first=$!
wait_for_file "$scratch/first.txt"
began=$SECONDS
env "${other[@]}" "$run" cmd /c exit </dev/null >/dev/null 2>&1 || fail "the run on the other display failed"
wait "$first"
status=$?
[ "$status" -eq 0 ] || fail "the first program ended with $status when a run on another display started"
[ $((SECONDS - began)) -ge 3 ] || fail "the first program ended early"
env "${other[@]}" "$run" --stop  # the other display's server is not needed any more

# 2. Two programs with seats of their own run side by side in different prefixes.
start_pinger ownA 4 QUON_WINE_SEAT=own
a=$!
wait_for_file "$scratch/ownA.txt"
start_pinger ownB 1 QUON_WINE_SEAT=own
b=$!
wait "$b" || fail "the second own seat's program failed"
wait "$a" || fail "the first own seat's program was disturbed"
wait_for_file "$scratch/ownB.txt"
[ "$(cat "$scratch/ownA.txt")" != "$(cat "$scratch/ownB.txt")" ] || fail "both programs ran in $(cat "$scratch/ownA.txt")"
echo "seats kept apart: $(tr -d '\r' <"$scratch/ownA.txt") and $(tr -d '\r' <"$scratch/ownB.txt")"
