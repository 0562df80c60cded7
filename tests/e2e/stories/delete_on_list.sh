#!/usr/bin/env bash
# The keyboard and deletes: F1 help topics, Ctrl+P print, Ctrl+E export and Ctrl+N a new item
# open their windows. Deleting a category or an item that is on the shopping list takes it off
# the grid at once, and Delete takes the chosen row off the list; nothing deleted comes back in
# a later refill, a box or the export. Ctrl+Q ends the program as Exit does.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app
focus_main
keys F1
answer " Cartwise Help Topics" Escape
for shortcut in "ctrl+p: Print Defaults:Escape" "ctrl+e:Export Shopping List:Escape" \
    "ctrl+n: Source Item:alt+F4"; do
    IFS=: read -r key title close <<<"$shortcut"
    focus_main
    keys "$key"
    answer "$title" "$close"
done

click lstCat 2 # Dairy, with Milk and Cheddar Cheese on the list
click cmdDeleteCat
answer "Delete Category" alt+y
click Grid1 1 # apples, now the first row
keys Delete
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
save_item # Record saved, and no other box before it

export_list "$T/out"
exported "$T/out/Cartwise.txt" Bananas Bread "Light Bulbs"
focus_main
keys ctrl+q
wait_exit
grep -q '^sort=Sorted by Item$' "$CONF" || fail "the sort order was not stored"
pass "shortcuts open their windows, and deleted records leave the list at once"
