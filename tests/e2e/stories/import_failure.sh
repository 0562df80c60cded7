#!/usr/bin/env bash
# An import that fails part way (here: the disk fills while the items are written) leaves the
# current catalogue exactly as it was: the failure is reported, no success is claimed, and the
# program goes on.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
cp "$CARTWISE_SAMPLES/../v5_three_categories/cat.dat" "$DATA/"
for n in $(seq 100); do # old items of 61 bytes: 100 of them need 23,500 bytes as new records
    printf '%-25s%-5s%-8s%-15s\001\000%-1s%-5s' "Item $n" 1 1.00 "" N 1
done >"$DATA/src.dat"
E2E_FILE_LIMIT=16 start_app

menu_command alt+h 3 # Importing Data from Version 5.X
answer "Import Data Now ?" alt+y
answer "" Return # cSourceItem.lngAddRecord_Error: File too large
answer "" Return # ImportItems_Error: ...
quit_app         # still running, with no other box open
for file in ctwcat6.dat ctwsrc6.dat; do same_bytes "$DATA/$file" "$CARTWISE_SAMPLES/$file"; done
[ "$(ls -A "$DATA" | tr '\n' ' ')" = "cat.dat ctwcat6.dat ctwsrc6.dat src.dat " ] ||
    fail "left in the data folder: $(ls -A "$DATA")"
pass "a failed import changes nothing"
