#!/usr/bin/env bash
# End to end: the built program under a private X server with a fresh home and sample data.
# It must open its main window, keep the data files, and on Alt+X (the bar's Exit) store the
# sort order and end by itself.
#   start_and_exit.sh PROGRAM SAMPLE_DATA_DIR
set -euo pipefail
program=$1 data=$2
for tool in Xvfb xdotool; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
T=$(mktemp -d)
cleanup() { kill "${app:-}" "${xv:-}" 2>/dev/null || true; rm -rf "$T"; }
trap cleanup EXIT
for d in $(seq 90 120); do [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ] || break; done
Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xv=$!
export DISPLAY=":$d" QT_QPA_PLATFORM=xcb
export HOME=$T/home XDG_DATA_HOME=$T/data XDG_CONFIG_HOME=$T/config XDG_RUNTIME_DIR=$T/run
mkdir -p "$HOME" "$XDG_DATA_HOME/Cartwise" "$XDG_CONFIG_HOME/Cartwise" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$data"/*.dat "$XDG_DATA_HOME/Cartwise/"
printf '[general]\nsort=Sorted by Isle\n' > "$XDG_CONFIG_HOME/Cartwise/Cartwise.conf"
before=$(cat "$XDG_DATA_HOME/Cartwise/"*.dat | md5sum)
touch -d '2000-01-01' "$XDG_CONFIG_HOME/Cartwise/Cartwise.conf"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$program" >"$T/log" 2>&1 & app=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^ Cartwise $' 2>/dev/null | head -n1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: no main window"; cat "$T/log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" -le 640 ] && [ "$HEIGHT" -le 440 ] || { echo "FAIL: window is ${WIDTH}x$HEIGHT"; exit 1; }
sleep 0.5
kill -0 $app || { echo "FAIL: the program ended by itself"; cat "$T/log"; exit 1; }

xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key alt+x
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then echo "FAIL: Alt+X did not end the program"; exit 1; fi
wait $app || { echo "FAIL: exit status $?"; cat "$T/log"; exit 1; }
# The sort order read at the start was written back at the end, into the same file.
conf="$XDG_CONFIG_HOME/Cartwise/Cartwise.conf"
[ "$(find "$XDG_CONFIG_HOME" -type f | wc -l)" = 1 ] || { echo "FAIL: other settings files"; find "$XDG_CONFIG_HOME"; exit 1; }
[ -n "$(find "$conf" -newermt '2001-01-01')" ] || { echo "FAIL: settings not written at exit"; exit 1; }
grep -q '^sort=Sorted by Isle$' "$conf" || { echo "FAIL: sort setting"; cat "$conf"; exit 1; }
after=$(cat "$XDG_DATA_HOME/Cartwise/"*.dat | md5sum)
[ "$before" = "$after" ] || { echo "FAIL: data files changed"; exit 1; }
echo "PASS: window ${WIDTH}x$HEIGHT, ended by Alt+X, settings kept"
