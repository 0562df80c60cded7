#!/usr/bin/env bash
# Find Item: Ctrl+F, a few letters typed, Enter puts the one found on the list; typed over,
# Ctrl+Enter shows the item in the main window, where Item To List then takes it.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app
focus_main
keys ctrl+f
wait_window "Find Item"
FIND=$WIN
type_text "YOG" # Yogurt, the only match
keys Return
with_record "$CARTWISE_SAMPLES/ctwsrc6.dat" 235 3 item_record Yogurt 4 0.89 "6 oz" 1 05 Y 4 \
    >"$T/yogurt"
wait_bytes "$DATA/ctwsrc6.dat" "$T/yogurt"

keys ctrl+a
type_text "crois" # Croissants, in Bakery
keys ctrl+Return
wait_gone "$FIND"
click cmdItemToList # the item chosen in the main window
with_record "$T/yogurt" 235 7 item_record Croissants 1 4.50 "4 pack" 2 12 Y 1 >"$T/both"
wait_bytes "$DATA/ctwsrc6.dat" "$T/both"
quit_app
pass "an item found by typing goes on the list, and is shown in the main window"
