#!/usr/bin/env bash
# An amount wider than its column is printed whole: the printout never shows another number.
. "$(dirname "$0")/../lib.sh"
e2e_begin
cat_record Garden >"$DATA/ctwcat6.dat"
item_record "Ride-on mower" 10 1234567.89 "" 1 7 Y 10 >"$DATA/ctwsrc6.dat"
start_app

for size in 8 9 10; do
    rm -f "$HOME/print.pdf"
    menu_command alt+f 1
    wait_window " Print Defaults"
    keys Tab
    case $size in 9) keys Right ;; 10) keys Right Right ;; esac
    keys Tab space
    answer Print Return
    wait_for "the printout" test -s "$HOME/print.pdf"
    pdftotext -layout "$HOME/print.pdf" "$T/text"
    grep -q 'Ride-on mower .* 10 *12345678\.90$' "$T/text" || fail "$size points: $(cat "$T/text")"
done
quit_app
pass "wide amounts are printed whole"
