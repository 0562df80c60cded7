#!/usr/bin/env bash
# A full disk (here: files limited to 2 KB) part way through an import or an export leaves
# every file as it was: the failure is reported, no success is claimed, no partial file is
# left, and the program goes on.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
cp "$CARTWISE_SAMPLES/../v5_three_categories/cat.dat" "$DATA/"
for n in $(seq 100); do # old items of 61 bytes: 100 of them need 23,500 bytes as new records
    printf '%-25s%-5s%-8s%-15s\001\000%-1s%-5s' "Item $n" 1 1.00 "" N 1
done >"$DATA/src.dat"
mkdir "$T/old" "$T/new"
printf 'last week\r\n' >"$T/old/Cartwise.txt" # the sample list exports 2,400 bytes
E2E_FILE_LIMIT=2 start_app

menu_command alt+h 3 # Importing Data from Version 5.X
answer "Import Data Now ?" alt+y
answer "" Return # cSourceItem.lngAddRecord_Error: File too large
answer "" Return # ImportItems_Error: ...
for file in ctwcat6.dat ctwsrc6.dat; do same_bytes "$DATA/$file" "$CARTWISE_SAMPLES/$file"; done
[ "$(ls -A "$DATA" | tr '\n' ' ')" = ".Cartwise.lock cat.dat ctwcat6.dat ctwsrc6.dat src.dat " ] ||
    fail "left in the data folder: $(ls -A "$DATA")" # the running copy's lock besides the files

for folder in old new; do
    menu_command alt+f 2
    input "Export Shopping List" "$T/$folder"
    [ $folder = new ] || answer "Overwrite Existing File" alt+y
    answer "" Return # mnuExport_Click_Error: File too large
done
quit_app # still running, with no other box open
same_bytes "$T/old/Cartwise.txt" <(printf 'last week\r\n')
[ -z "$(ls -A "$T/new")" ] && [ "$(ls -A "$T/old")" = Cartwise.txt ] ||
    fail "left behind: $(ls -A "$T/old" "$T/new")"
pass "a full disk changes no file"
