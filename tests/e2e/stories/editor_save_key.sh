#!/usr/bin/env bash
# Alt+S saves the item only after the rules of the field being left: the text is trimmed and
# put in proper case, and a cost that is no number is refused with nothing saved. The open
# editor follows the items list.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
src=$DATA/ctwsrc6.dat
start_app

click lstCat 2 # Dairy
click cmdNewItem
wait_window " Source Item"
editor=$WIN
type_text "  fresh BREAD  "
save_item # Record saved; the new item's editor closes
wait_gone "$editor"
{ cat "$CARTWISE_SAMPLES/ctwsrc6.dat"; item_record "Fresh Bread" 1 0.00 "" 1 "" N ""; } >"$T/want"
same_bytes "$src" "$T/want"

click lstAvailable 3 # Butter, Cheddar Cheese, Fresh Bread, Milk, Yogurt
click cmdEditItem
wait_window " Source Item"
keys Tab Tab Tab Tab # to Unit Cost
type_text abc
save_item # Only numbers and decimals are accepted
same_bytes "$src" "$T/want"
type_text 2.5
save_item # Record saved
with_record "$T/want" 235 14 item_record "Fresh Bread" 1.00 2.50 "" 1 "" N "" >"$T/want2"
same_bytes "$src" "$T/want2"
click lstAvailable 1 # the open editor follows the list: Butter
wait_window " Source Item"
keys ctrl+a # still in Unit Cost
type_text 3
save_item # Record saved
with_record "$T/want2" 235 4 item_record Butter 1.00 3.00 "1 lb" 1 06 N 1 >"$T/want3"
same_bytes "$src" "$T/want3"
quit_app
pass "the field rules run before Alt+S saves"
