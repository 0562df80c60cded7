#!/usr/bin/env bash
# The list taken along: the phone's QR code read back from the screen, and the list saved as a
# Markdown checklist (compared byte for byte) and as iCalendar tasks (read by a strict parser).
. "$(dirname "$0")/../lib.sh"
for tool in zbarimg xwd; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
done
PYTHON=/usr/bin/python3 # Debian's, with python3-icalendar
$PYTHON -c 'import icalendar' 2>/dev/null || { echo "SKIP: python3-icalendar" && exit 77; }
e2e_begin "$CARTWISE_SAMPLES"
lines='6 × apples, each, aisle 01
2 × Bagels, 6 pack, aisle 12
1 × Bananas, bunch, aisle 01
1 × Bread, 1 loaf, aisle 12
1 × Cheddar Cheese, 8 oz, aisle 05
1 × Light Bulbs, 4 pack
2 × Milk, 1 gal, aisle 05'
start_app
focus_main
keys ctrl+shift+p
wait_window "Show List on Phone"
xwd -id "$WIN" -silent >"$T/phone.xwd"
zbarimg -q --raw "$T/phone.xwd" >"$T/phone.txt" 2>/dev/null || fail "no QR code on the screen"
printf '%s\nTotal: $26.62\n' "$lines" >"$T/want.txt"
same_bytes "$T/phone.txt" "$T/want.txt"
keys Escape
wait_gone "$WIN"

save_as() { # File > Save List as Checklist, the path typed into the dialog's name field
    focus_main
    keys ctrl+shift+s
    wait_window "Save List as Checklist"
    keys ctrl+a
    type_text "$1"
    keys Return
    wait_gone "$WIN"
    wait_for "$1" test -s "$1"
}
save_as "$T/out/trip.md"
{ sed 's/^/- [ ] /' <<<"$lines"; printf '\nTotal: $26.62\n'; } >"$T/want.md"
same_bytes "$T/out/trip.md" "$T/want.md"
save_as "$T/out/trip.ics"
$PYTHON - "$T/out/trip.ics" "$T/want.txt" <<'PY' || fail "the iCalendar file: see above"
import sys, icalendar
raw = open(sys.argv[1], "rb").read()
assert all(len(l) <= 75 for l in raw.split(b"\r\n")), "a line longer than 75 octets"
assert b"\n" not in raw.replace(b"\r\n", b""), "a line end other than CRLF"
cal = icalendar.Calendar.from_ical(raw)
want = open(sys.argv[2], encoding="utf-8").read().splitlines()
todos = [c for c in cal.walk("VTODO")]
assert str(cal["X-WR-CALNAME"]) == "Cartwise Shopping List"
assert [str(t["SUMMARY"]) for t in todos] == want[:-1], [str(t["SUMMARY"]) for t in todos]
assert len({str(t["UID"]) for t in todos}) == len(todos), "UIDs not unique"
assert str(cal["DESCRIPTION"]) == want[-1]
PY
quit_app
grep -q "^checklistdirectory=$T/out\$" "$CONF" || fail "the checklist's folder was not kept"
pass "the QR code reads as the list, and both checklists hold it"
