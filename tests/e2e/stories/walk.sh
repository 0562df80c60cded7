#!/usr/bin/env bash
# A walk through every window, from an empty first start: categories, an item made in the
# editor, the list and its keypad, the about box, export, the version-5 import and deleting
# all data (both leave what they replace in the trash, where a file manager restores it from,
# even under a folder named with blanks, accents and "%25"). Each step is checked by the bytes
# the program writes. (The print dialog has a story of its own; F1 opens help in
# delete_on_list.)
. "$(dirname "$0")/../lib.sh"
E2E_DATA_HOME="dätä 100%25 home" e2e_begin
cat=$DATA/ctwcat6.dat src=$DATA/ctwsrc6.dat
start_app
read -r x y w h <<<"$(outer_geometry "$MAIN")"
[ "$w $h" = "640 440" ] || fail "the window is ${w}x$h with its frame"
[ -f "$cat" ] && [ -f "$src" ] && [ ! -s "$cat" ] && [ ! -s "$src" ] || fail "no empty data files"

click cmdNewCat
input "New Category" Dairy
click cmdNewCat
input "New Category" Bakery
click lstCat 1 # Bakery
click cmdEditCat
answer "Edit Category" alt+y
input Cartwise "Bread & Rolls"
{ cat_record Dairy; cat_record "Bread & Rolls"; } >"$T/want"
wait_bytes "$cat" "$T/want"

click cmdNewItem
wait_window " Source Item" # 405 x 241 with its frame, lower right corner on the main window's
wait_for "the editor at its place" test "$(outer_geometry "$WIN")" = \
    "$((x + w - 405)) $((y + h - 241)) 405 241"
for text in "rye bread" "1 loaf" 12 2 3.5; do # Enter moves on, from the last field to Save
    type_text "$text"
    keys Return
done
keys Return            # presses Save
answer Cartwise Return # Record saved
same_bytes "$src" <(item_record "Rye Bread" 2 3.50 "1 Loaf" 2 12 N "")
click lstAvailable 1
click cmdItemToList
click Grid1 1
click cmdNum3 # 4
item_record "Rye Bread" 2 3.50 "1 Loaf" 2 12 Y 4 >"$T/want"
wait_bytes "$src" "$T/want"

menu_command alt+h 2 # About Cartwise
answer "About Cartwise" Return

export_list "$T/out"
same_bytes "$T/out/Cartwise.txt" <(
    export_record '"Isle","Item","Size","Category","Qty","Total"'
    export_record '"12","Rye Bread","1 Loaf","Bread & Rolls","4","14.00"'
)

click lstCat 2 # Dairy
click cmdDeleteCat
answer "Delete Category" alt+y
{ cat_record ""; cat_record "Bread & Rolls"; } >"$T/replaced"
wait_bytes "$cat" "$T/replaced"

cp "$CARTWISE_SAMPLES"/../v5_three_categories/*.dat "$DATA/"
menu_command alt+h 3 # Importing Data from Version 5.X
answer "Import Data Now ?" alt+y
answer "" Return # The conversion has taken place. The program will now terminate
wait_exit
same_bytes "$cat" <(cat_record Dairy && cat_record Bakery && cat_record Produce)
same_bytes "$src" <(
    item_record Milk 2 2.49 "1 gal" 1 "" Y 2
    item_record Bread 1 1.99 loaf 2 "" N 1
    item_record Apples 6 0.50 each 3 "" Y 3
    item_record Cheddar 1 4.00 "8 oz" 1 "" N ""
)
[ "$(trashed_from ctwcat6.dat)" = "$cat" ] || fail "the replaced catalogue's place is lost"
same_bytes "$TRASH/files/ctwcat6.dat" "$T/replaced"
cp "$cat" "$T/imported.cat" && cp "$src" "$T/imported.src"

start_app
menu_command alt+h 4 # How to Delete All Data
answer "DELETE ALL DATA" alt+y
answer "DELETE ALL DATA" alt+y
wait_exit
[ ! -e "$cat" ] && [ ! -e "$src" ] || fail "data files left: $(ls -A "$DATA")"
restore_from_trash ctwcat6.2.dat # the second of that name in the trash
restore_from_trash ctwsrc6.2.dat
same_bytes "$cat" "$T/imported.cat"
same_bytes "$src" "$T/imported.src"
start_app
menu_command alt+f 4 # Exit
wait_exit
pass "every window, end to end"
