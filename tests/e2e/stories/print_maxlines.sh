#!/usr/bin/env bash
# The print dialog refuses a page length that no printout could use, stays open and stores
# nothing; a usable one is stored and paginates the printout. In each font size an amount wider
# than its column is printed whole: the printout never shows another number, and the total is
# the running total of the window.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
item_record "Ride-on mower" 10 1234567.89 "" 1 7 Y 10 >>"$DATA/ctwsrc6.dat"
start_app

menu_command alt+f 1 # Print Current Shopping List
wait_window " Print Defaults"
dialog=$WIN
for bad in 12abc "1 2" 40000; do
    keys ctrl+a
    type_text "$bad"
    keys Tab Tab space     # OK
    answer Cartwise Return # refused
    wait_window " Print Defaults"
    [ "$WIN" = "$dialog" ] || fail "the print dialog closed after $bad"
done
[ ! -e "$CONF" ] || fail "settings were stored: $(cat "$CONF")"
keys ctrl+a
type_text 3
for keys in Right Left "Right Right"; do # 9 points, then 8 and 10 in a dialog opened anew
    [ ! -e "$HOME/print.pdf" ] || { rm "$HOME/print.pdf" && menu_command alt+f 1 && wait_window " Print Defaults"; }
    keys Tab $keys Tab space # OK
    answer Print Return
    wait_for "the printout" test -s "$HOME/print.pdf"
    pdftotext -layout "$HOME/print.pdf" "$T/text"
    grep -q 'Ride-on mower .* 10 *12345678\.90$' "$T/text" &&
        grep -q 'Total Estimated Cost 12345705\.52$' "$T/text" || fail "printed: $(cat "$T/text")"
done
wait_gone "$dialog"
same_bytes "$CONF" <(printf '[General]\nfontsize=10\nmaxlines=3\n')
# Eight items, one a page, and a last page with the total alone.
[ "$(pdfinfo "$HOME/print.pdf" | awk '/^Pages:/ { print $2 }')" = 9 ] || fail "$(pdfinfo "$HOME/print.pdf")"
quit_app
pass "a page length the printout cannot use is refused, and wide amounts are printed whole"
