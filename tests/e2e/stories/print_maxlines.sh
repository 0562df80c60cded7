#!/usr/bin/env bash
# The print dialog refuses a page length that no printout could use, stays open and stores
# nothing; a usable one is stored and paginates the printout.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
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
keys Tab Right Tab space # 9 points, OK
answer Print Return
wait_for "the printout" test -s "$HOME/print.pdf"
wait_gone "$dialog"
printf '[General]\nfontsize=9\nmaxlines=3\n' >"$T/want"
same_bytes "$CONF" "$T/want"
# Seven items, one a page, and a last page with the total alone.
[ "$(pdfinfo "$HOME/print.pdf" | awk '/^Pages:/ { print $2 }')" = 8 ] || fail "$(pdfinfo "$HOME/print.pdf")"
quit_app
pass "a page length the printout cannot use is refused"
