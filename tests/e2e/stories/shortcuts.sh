#!/usr/bin/env bash
# The keyboard: F1 help topics, Ctrl+P print, Ctrl+E export, Ctrl+N a new item, Delete takes
# the chosen row off the shopping list, Ctrl+Q ends the program as Exit does.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app
focus_main
keys F1
answer " Cartwise Help Topics" Escape
for shortcut in "ctrl+p: Print Defaults" "ctrl+e:Export Shopping List"; do
    focus_main
    keys "${shortcut%%:*}"
    answer "${shortcut#*:}" Escape
done
focus_main
keys ctrl+n
answer " Source Item" alt+F4
click Grid1 1 # apples
keys Delete
with_record "$CARTWISE_SAMPLES/ctwsrc6.dat" 235 8 item_record apples 6 0.45 each 3 01 N 6 >"$T/want"
wait_bytes "$DATA/ctwsrc6.dat" "$T/want"
focus_main
keys ctrl+q
wait_exit
grep -q '^sort=Sorted by Item$' "$CONF" || fail "the sort order was not stored"
pass "every shortcut does what its command does"
