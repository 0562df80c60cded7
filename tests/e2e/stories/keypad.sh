#!/usr/bin/env bash
# The keypad sets the quantity of the row clicked in the grid; "?" takes any quantity the item
# file can hold and refuses, with a message, one it cannot.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
src=$DATA/ctwsrc6.dat
start_app

click Grid1 2 # Bagels (apples, Bagels, Bananas, ...)
for qty in -1234567890 0.123456789 99999; do
    click cmdNum15
    input Cartwise "$qty"
    answer Cartwise Return # not supported
done
same_bytes "$src" "$CARTWISE_SAMPLES/ctwsrc6.dat"
click cmdNum15
input Cartwise " 2.50 "
with_record "$CARTWISE_SAMPLES/ctwsrc6.dat" 235 6 item_record Bagels 1 3.19 "6 pack" 2 12 Y 2.5 >"$T/want"
wait_bytes "$src" "$T/want"
click Grid1 3 # Bananas
click cmdNum6  # 7
with_record "$T/want" 235 9 item_record Bananas 1 1.99 bunch 3 01 Y 7 >"$T/want2"
wait_bytes "$src" "$T/want2"

export_list "$T/out"
row=$(tail -c +601 "$T/out/Cartwise.txt" | head -c 43) # the third line
[ "$row" = $'"12","Bagels","6 pack","Bakery","3","7.98"\r' ] || fail "exported: $row"
quit_app
pass "the keypad stores what the grid shows"
