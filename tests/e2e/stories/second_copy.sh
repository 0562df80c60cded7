#!/usr/bin/env bash
# One copy per data folder: a second start brings the running window to the front and ends
# without writing anything; one from another session (another runtime folder), which cannot
# reach the running copy, says so and ends; a lock left by a copy that was killed does not
# stop a new start.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app
first=$app
xdotool windowminimize "$MAIN"
wait_for "the window to be minimized" gone "$MAIN"

# A second copy that does not end by itself (it opened a window of its own) fails the story.
timeout 20 "$CARTWISE" >"$T/second.log" 2>&1 ||
    fail "the second copy ended with status $? (124: it did not end): $(cat "$T/second.log")"
wait_for "the running window to come back" is_active "$MAIN"
[ "$(app_windows | grep -c ' Cartwise $')" = 1 ] || fail "two main windows: $(app_windows)"

mkdir -m 700 "$T/session2"
XDG_RUNTIME_DIR=$T/session2 "$CARTWISE" >"$T/second.log" 2>&1 &
second=$!
answer Cartwise Return # Cartwise is already running.
wait "$second" || fail "the second copy ended with status $?"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
[ ! -e "$CONF" ] || fail "settings were written: $(cat "$CONF")"
for file in ctwcat6.dat ctwsrc6.dat; do same_bytes "$DATA/$file" "$CARTWISE_SAMPLES/$file"; done
start_app # over the lock of the killed copy
quit_app
pass "one copy per data folder"
