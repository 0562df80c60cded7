#!/usr/bin/env bash
# Deleting a category or an item that is on the shopping list takes it off the grid at once;
# nothing deleted comes back in a later refill, a box or the export.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app

click lstCat 2 # Dairy, with Milk and Cheddar Cheese on the list
click cmdDeleteCat
answer "Delete Category" alt+y
click Grid1 1 # apples, now the first row
click cmdRemoveItem
with_record "$CARTWISE_SAMPLES/ctwsrc6.dat" 235 8 item_record apples 6 0.45 each 3 01 N 6 >"$T/b"
{ for n in 1 2 3 4; do item_record "" "" "" "" 0 "" "" ""; done; tail -c +941 "$T/b"; } >"$T/want"
wait_bytes "$DATA/ctwsrc6.dat" "$T/want"

click lstCat 1 # Bakery
click lstAvailable 1
click cmdDeleteItem # Bagels, on the list
answer "Delete Item" alt+y
click cmdEditItem # Bread, chosen after the delete
wait_window " Source Item"
keys Tab ctrl+a
type_text "2 loaf"
keys alt+s
answer Cartwise Return # Record saved, and no other box before it

export_list "$T/out"
export_items "$T/out/Cartwise.txt" >"$T/rows"
printf '%s\n' Item Bananas Bread "Light Bulbs" >"$T/want"
same_bytes "$T/rows" "$T/want"
quit_app
pass "deleted records leave the list at once"
