#!/usr/bin/env bash
# Undo and redo: a deleted category with items on the list comes back byte for byte with Ctrl+Z
# (and from the Edit menu), goes again with Ctrl+Y; Clear List is undone and redone the same
# way. The history ends with the program.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
files() { cat "$DATA/ctwcat6.dat" "$DATA/ctwsrc6.dat"; }
changed_from() { ! files | cmp -s - "$1"; }
start_app
files >"$T/before"
click lstCat 2 # Dairy: Milk and Cheddar Cheese are on the list
click cmdDeleteCat
answer "Delete Category" alt+y
wait_for "the category to be deleted" changed_from "$T/before"
files >"$T/deleted"
focus_main
keys ctrl+z
wait_for "Delete Cat to be undone" eval 'files | cmp -s - "$T/before"'
keys ctrl+y
wait_for "Delete Cat to be done again" eval 'files | cmp -s - "$T/deleted"'
menu_command alt+e 1 # Edit > Undo Delete Cat
wait_for "Delete Cat undone from the menu" eval 'files | cmp -s - "$T/before"'

click cmdClearList
answer "Clear Current Shopping List" alt+y
wait_for "the list to be cleared" changed_from "$T/before"
files >"$T/cleared"
focus_main
keys ctrl+z
wait_for "Clear List to be undone" eval 'files | cmp -s - "$T/before"'
keys ctrl+shift+z
wait_for "Clear List to be done again" eval 'files | cmp -s - "$T/cleared"'
quit_app
pass "Delete Cat and Clear List undone and redone to the byte"
