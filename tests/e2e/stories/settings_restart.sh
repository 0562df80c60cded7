#!/usr/bin/env bash
# Every setting chosen in one run is read by the next: the sort order, the export folder, the
# editor's case conversion and both print options. The settings file holds one section, and a
# file written by hand in that form is read.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
mkdir -p "$(dirname "$CONF")"
printf '[General]\nsort=SORTED BY CATEGORY\n' >"$CONF"
start_app

export_list "$T/out"
exported "$T/out/Cartwise.txt" Bagels Bread "Cheddar Cheese" Milk "Light Bulbs" apples Bananas

click cmdSortList
wait_for "the sort menu" menu_open
keys Down Down Down Return # By Isle #
click cmdNewItem
wait_window " Source Item"
keys alt+o
wait_for "the Options menu" menu_open
keys Down Down Return # Leave Text as Typed
click lstCat 1        # choosing a category closes the editor
wait_gone "$WIN"
menu_command alt+f 1 # Print Current Shopping List
wait_window " Print Defaults"
keys ctrl+a
type_text 40
keys Tab Right Right Tab space # font size 10, then OK
answer Print Return            # the printer dialog prints to a PDF in the home folder
wait_for "the printout" test -s "$HOME/print.pdf"
focus_main
keys alt+F4 # the close box
wait_exit

printf '[General]\nconvert=None\nexportdirectory=%s\nfontsize=10\nmaxlines=40\nsort=Sorted by Isle\n' \
    "$T/out" >"$T/settings"
same_bytes "$CONF" "$T/settings"

start_app
export_list "" overwrite # the folder offered is the one used last
exported "$T/out/Cartwise.txt" "Light Bulbs" apples Bananas "Cheddar Cheese" Milk Bagels Bread
click cmdNewItem # the editor and the print dialog store what they were shown with
wait_window " Source Item"
click lstCat 1
wait_gone "$WIN"
rm "$HOME/print.pdf"
menu_command alt+f 1
wait_window " Print Defaults"
keys Tab Tab space # OK
answer Print Return
wait_for "the printout" test -s "$HOME/print.pdf"
quit_app
same_bytes "$CONF" "$T/settings"
pass "settings survive restarts in one section"
