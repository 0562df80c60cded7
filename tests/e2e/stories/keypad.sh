#!/usr/bin/env bash
# Categories and items chosen with the mouse and the arrow keys list the right items, and All
# To List or a double click puts them on the shopping list. The keypad sets the quantity of the
# row clicked in the grid; "?" takes any quantity the item file can hold and refuses, with a
# message, one it cannot.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
src=$DATA/ctwsrc6.dat
start_app

# Categories in list order: Bakery, Dairy, Hardware Store, Pharmacy, Produce.
click lstCat 2
click cmdCatToList # Dairy: Yogurt and Butter join Milk and Cheddar Cheese
click lstCat 3     # Hardware Store, then one down with the keyboard: Pharmacy
keys Down
click2 lstAvailable 1 # Vitamins
with_record "$CARTWISE_SAMPLES/ctwsrc6.dat" 235 3 item_record Yogurt 4 0.89 "6 oz" 1 05 Y 4 >"$T/a"
with_record "$T/a" 235 4 item_record Butter 1 2.99 "1 lb" 1 06 Y 1 >"$T/b"
with_record "$T/b" 235 13 item_record Vitamins 1 8.99 "100 ct" 5 A3 Y 1 >"$T/want"
wait_bytes "$src" "$T/want"

click Grid1 2 # Bagels (apples, Bagels, Bananas, ...)
for qty in -1234567890 0.123456789 99999; do
    click cmdNum15
    input Cartwise "$qty"
    answer Cartwise Return # not supported
done
same_bytes "$src" "$T/want"
click cmdNum15
input Cartwise " 2.50 "
click Grid1 3 # Bananas
click cmdNum6 # 7
with_record "$T/want" 235 6 item_record Bagels 1 3.19 "6 pack" 2 12 Y 2.5 >"$T/a"
with_record "$T/a" 235 9 item_record Bananas 1 1.99 bunch 3 01 Y 7 >"$T/want"
wait_bytes "$src" "$T/want"

export_list "$T/out"
row=$(tail -c +601 "$T/out/Cartwise.txt" | head -c 43) # the third line
[ "$row" = $'"12","Bagels","6 pack","Bakery","3","7.98"\r' ] || fail "exported: $row"
quit_app
pass "list choices reach the right items, and the keypad stores what the grid shows"
