#!/usr/bin/env bash
# Categories and items chosen with the mouse and the arrow keys: each choice lists the right
# items, and a double click puts an item on the shopping list.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
src=$DATA/ctwsrc6.dat
cp "$src" "$T/before"
start_app

# Categories in list order: Bakery, Dairy, Hardware Store, Pharmacy, Produce.
click lstCat 2
click cmdCatToList # Dairy: Yogurt and Butter join Milk and Cheddar Cheese
with_record "$T/before" 235 3 item_record Yogurt 4 0.89 "6 oz" 1 05 Y 4 >"$T/a"
with_record "$T/a" 235 4 item_record Butter 1 2.99 "1 lb" 1 06 Y 1 >"$T/want"
wait_bytes "$src" "$T/want"

click lstCat 3 # Hardware Store, then one down with the keyboard: Pharmacy
keys Down
click2 lstAvailable 1 # Vitamins
with_record "$T/want" 235 13 item_record Vitamins 1 8.99 "100 ct" 5 A3 Y 1 >"$T/want2"
wait_bytes "$src" "$T/want2"

quit_app
pass "mouse and keyboard choices reach the right items"
